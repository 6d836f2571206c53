#include "tests/version/VersionCheckFixture.h"

#include "framework/Forms.h"

namespace klangor::test {
namespace {

const char* const FailureWarning =
    "Le logiciel ne peut vérifier automatiquement si il s'agit de la dernière version de celui-ci.\r"
    "Pour pouvoir vérifier si il s'agit bien de la dernière version, le logiciel a besoin de se connecter à "
    "internet.\r"
    "Vous devez impérativement utiliser la dernière version du logiciel de dépannage.\r"
    "Comme la vérification de version n'a pas pu être effectuée, le résultat de l'analyse n'est peut être pas fiable.";

const char* const UpdateQuestion =
    "Vous n'utilisez pas la dernière version de ce logiciel.\r\n"
    "Vous devez utiliser la dernière version du logiciel de dépannage.\r\n"
    "Voulez vous la télécharger maintenant ?";

void ExpectBox(const CaughtBox& box, const std::string& caption, const std::string& text,
               const std::vector<std::string>& buttons, bool hasIcon) {
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.buttons, buttons);
  EXPECT_EQ(box.hasIcon, hasIcon);
}

}  // namespace

void ExpectFailureWarning(const CaughtBox& box) { ExpectBox(box, "Warning", FailureWarning, {"OK"}, true); }

void ExpectUpdateQuestion(const CaughtBox& box) { ExpectBox(box, "Confirm", UpdateQuestion, {"&Yes", "&No"}, true); }

void ExpectClosingNotice(const CaughtBox& box) {
  ExpectBox(box, "version_tests", "Le logiciel va se fermer.", {"OK"}, false);
}

void VersionCheckFixture::SetUp() {
  Application.Initialize();
  checker = std::make_unique<TVersionChecker>(nullptr);
  checker->SetURLCurrVerFile(server.url("/curr_ver.txt"));
  checker->SetTempFile(folder.pathOf("version.txt"));
  checker->SetOnGetURL([this](TObject* sender, std::string currentVersion, std::string downloadURL) {
    EXPECT_EQ(sender, checker.get());
    getURLCalls.push_back({currentVersion, downloadURL, boxes.boxes().size()});
  });
}

void VersionCheckFixture::TearDown() {
  checker.reset();
  Application.Reset();
}

std::string VersionCheckFixture::VersionFile(const std::string& version, const std::string& url,
                                             const std::string& key) {
  return "[CurrentVersions]\r\nOther=9.9.9.9\r\n" + key + "=" + version + "\r\n\r\n[DownloadURL]\r\n" + key + "=" +
         url + "\r\nOther=http://other.invalid/\r\n";
}

void VersionCheckFixture::Publish(const std::string& version, const std::string& url) {
  server.serve("/curr_ver.txt", VersionFile(version, url));
}

void VersionCheckFixture::RunCheck() {
  const size_t boxesBefore = boxes.boxes().size();
  const size_t callsBefore = getURLCalls.size();
  checker->CheckVersion();
  while (boxes.boxes().size() == boxesBefore && getURLCalls.size() == callsBefore) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    Application.ProcessMessages();
  }
}

}  // namespace klangor::test
