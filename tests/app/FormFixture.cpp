#include "tests/app/FormFixture.h"

#include <gtest/gtest.h>

#include "app/Registration.h"
#include "framework/Forms.h"
#include "framework/Thread.h"

namespace klangor::test {

const std::vector<std::string> GainKeys = {"Engine",
                                           "EngineTransmission",
                                           "TransmissionDiff",
                                           "Turbo",
                                           "BlowOffValve",
                                           "DriveShaftBroken",
                                           "GravelParticles",
                                           "Squeeks",
                                           "Suspension",
                                           "Horn",
                                           "Helicopter",
                                           "Bird",
                                           "Wind",
                                           "EnviormentalReflections",
                                           "Offtrack",
                                           "Pop",
                                           "ExhaustPop",
                                           "Bang",
                                           "Ignition",
                                           "Enginefire",
                                           "BrokenCooler",
                                           "WiperEngine",
                                           "Wiper",
                                           "Impacts",
                                           "ImpactScreams",
                                           "Servicepark_BG",
                                           "Servicepark_FX",
                                           "Rain"};

std::string SoundBankText(const std::string& engineGain) {
  return "; KOVEN sound bank\r\n"
         "[OPTIONS::SOUNDS]\r\n"
         "NumberChannels=32\r\n"
         "EnableEQOnCars=False\r\n"
         "\r\n"
         "[AMP::SOUNDS]\r\n"
         "Engine=" +
         engineGain +
         "\r\n"
         "EngineTransmission=0.35\r\n"
         "; gravel and tarmac\r\n"
         "GravelParticles=1.0\r\n"
         "Rain=1.0\r\n"
         "\r\n"
         "[EQ::CARS]\r\n"
         "Low=0.8\r\n"
         "High=1.2\r\n";
}

HeldOpen::HeldOpen(const std::string& path)
    : FHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {
  EXPECT_NE(FHandle, INVALID_HANDLE_VALUE) << path;
}

HeldOpen::~HeldOpen() { CloseHandle(FHandle); }

FormFixture::FormFixture() {
  static const bool registered = [] {
    Application.Initialize();
    RegisterLayoutClasses();
    return true;
  }();
  (void)registered;
  Application.Reset();
  TThread::InitializeSynchronize();
  FFolder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
  // The local application data folder exists on every installation; the
  // store makes only its own folders below it.
  FFolder.makeFolder("LocalAppData");
  wchar_t saved[MAX_PATH * 4] = {};
  GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH * 4);
  FSavedLocalAppData = saved;
  SetEnvironmentVariableA("LOCALAPPDATA", LocalAppDataPath().c_str());
  FRegistry = std::make_unique<RegistryFixture>(HKEY_LOCAL_MACHINE, GameRegistryKey, KEY_WOW64_32KEY);
  FKept = std::make_unique<RegistryFixture>(HKEY_CURRENT_USER, KlangorRegistryKey);
  FCatcher = std::make_unique<MessageBoxCatcher>();
}

FormFixture::~FormFixture() {
  DestroyForm();
  SetEnvironmentVariableW(L"LOCALAPPDATA", FSavedLocalAppData.empty() ? nullptr : FSavedLocalAppData.c_str());
}

void FormFixture::AddSoundFile(const std::string& name, const std::string& text) {
  FFolder.writeFile("RBR\\KOVEN\\Sounds\\Audio\\" + name, text);
}

void FormFixture::SetRegistryRoot(const std::string& root) { FRegistry->setString("", root); }

void FormFixture::SetRegistryDword() { FRegistry->setDword("", 7); }

TForm1& FormFixture::CreateForm(const std::string& folderArgument) {
  Application.CreateForm(Form1, folderArgument);
  FForm = Form1;
  return *FForm;
}

void FormFixture::DestroyForm() {
  if (!FForm) return;
  TThread::DropPendingSynchronize();
  delete FForm;
  FForm = Form1 = nullptr;
  Application.Reset();
}

std::vector<CaughtBox> FormFixture::WindowBoxes() const {
  std::vector<CaughtBox> shown;
  for (const CaughtBox& box : FCatcher->boxes())
    if (box.caption != "Warning") shown.push_back(box);
  return shown;
}

void FormFixture::Pump() { Application.ProcessMessages(); }

void FormFixture::AwaitVersionWarning() {
  auto warned = [this] {
    for (const CaughtBox& box : FCatcher->boxes())
      if (box.caption == "Warning") return true;
    return false;
  };
  for (int waited = 0; !warned(); waited += 10) {
    if (waited >= 30000) {
      ADD_FAILURE() << "the version check showed no warning within 30 s";
      return;
    }
    Pump();
    Sleep(10);
  }
}

}  // namespace klangor::test
