// The system's dialogs where they cannot be shown: a thread in the
// multithreaded apartment cannot hold them (they need a single-threaded
// one). The dialog answers with the system's error at once, without a
// window, and the player is told what to do instead. (Wine's dialogs leave
// the thread that showed one in its apartment, so this runs on a thread of
// its own.)
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <thread>

#include "app/FileDialogs.h"
#include "tests/support/MessageBoxCatcher.h"

using namespace klangor::test;

TEST(FileDialogs, ADialogThatCannotBeShownAnswersAtOnceAndIsTold) {
  using TAsk = std::function<TDialogAnswer()>;
  const TAsk asks[] = {
      [] { return FileDialogs::AskPresetToSave(nullptr, "Save"); },
      [] { return FileDialogs::AskPresetToLoad(nullptr, "Load"); },
      [] { return FileDialogs::AskFolder(nullptr, "Folder"); },
  };
  for (const TAsk& ask : asks) {
    TDialogAnswer answer;
    std::thread([&answer, &ask] {
      if (CoInitializeEx(nullptr, COINIT_MULTITHREADED) != S_OK) return;
      answer = ask();
      CoUninitialize();
    }).join();
    EXPECT_EQ(answer.Error, RPC_E_CHANGED_MODE);
    EXPECT_FALSE(answer.Path);

    MessageBoxCatcher catcher;
    FileDialogs::ShowFailure(answer, "Tapez le chemin. / Type the path.");
    ASSERT_EQ(catcher.boxes().size(), 1u);
    const std::string& text = catcher.boxes()[0].text;
    EXPECT_EQ(text.rfind("La boîte de dialogue du système n'a pas pu s'ouvrir. / The system's dialog could not be "
                         "opened.\r\r",
                         0),
              0u)
        << text;
    const std::string help = "\r\rTapez le chemin. / Type the path.";
    EXPECT_EQ(text.substr(text.size() - help.size()), help);
    EXPECT_NE(text.find("(0x80010106)"), std::string::npos) << text;
  }
}
