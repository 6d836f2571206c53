// Ownership, the application's error box text and title, and the thread
// hand-over to the main thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/Thread.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

namespace {

std::vector<std::string> destroyed;

class TRecorded : public TComponent {
 public:
  TRecorded(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
  ~TRecorded() override { destroyed.push_back(Name()); }
};

// What a thread's hand-over came to, told by the thread as its last act.
struct HandOverOutcome {
  std::string outcome;
  DWORD ranOn = 0;
  HANDLE told = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ~HandOverOutcome() { CloseHandle(told); }
};

// Frees itself when it has finished, as the program's own thread does.
class TCallingThread : public TThread {
 public:
  TCallingThread(HandOverOutcome& report, std::function<void()> call)
      : TThread(true), FReport(report), FCall(std::move(call)) {
    FreeOnTerminate = true;
  }

 protected:
  void Execute() override {
    try {
      Synchronize([this] {
        FReport.ranOn = GetCurrentThreadId();
        FCall();
      });
      FReport.outcome = "ran";
    } catch (const EThreadDropped&) {
      FReport.outcome = "dropped";
    } catch (const Exception& error) {
      FReport.outcome = std::string("raised ") + error.what();
    }
    SetEvent(FReport.told);
  }

 private:
  HandOverOutcome& FReport;
  std::function<void()> FCall;
};

// Runs the main thread's messages, as its message loop would, until the
// thread has told its outcome.
void WaitPumping(const HandOverOutcome& report) {
  while (MsgWaitForMultipleObjects(1, &report.told, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    Application.ProcessMessages();
}

}  // namespace

TEST(Components, OwnerReleasesOwnedComponentsInReverseOrder) {
  destroyed.clear();
  auto* owner = new TRecorded(nullptr, "owner");
  new TRecorded(owner, "first");
  auto* second = new TRecorded(owner, "second");
  new TRecorded(owner, "third");
  delete second;  // leaves its owner's list
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("third")->Name(), "third");
  EXPECT_EQ(owner->FindComponent("second"), nullptr);
  delete owner;
  EXPECT_EQ(destroyed, (std::vector<std::string>{"second", "owner", "third", "first"}));
}

TEST(Application, ErrorBoxTextEndsWithAFullStop) {
  const std::pair<std::string, std::string> cases[] = {
      {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
      {"Invalid data type for ''", "Invalid data type for ''"},  // a quote sorts before "."
      {"Invalid data type for 'Count'", "Invalid data type for 'Count'"},
      {"Already ends.", "Already ends."},
      {"Ends with a comma,", "Ends with a comma,"},  // "," sorts before "."
      {"Ends with a digit 5", "Ends with a digit 5."},
      {"Accent é", "Accent é."},
      {"", ""},
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(TApplication::ErrorBoxText(message), shown);
}

TEST(Application, TitleIsTheExeNameCapitalised) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Program Files\\Klangor\\Klangor.exe", "Klangor"},
      {"C:\\KLANGOR.EXE", "Klangor"},
      {"klangor.exe", "klangor"},
      {"D:\\x\\My.Tool.exe", "My"},
      {"C:\\ÉTÉ.exe", "Été"},
      {"C:\\Łódź\\ŁÓDŹ.exe", "Łódź"},
      {"C:\\😀ABC.exe", "😀abc"},
  };
  for (const auto& [path, title] : cases) EXPECT_EQ(TApplication::TitleFromPath(path), title) << path;
}

TEST(Thread, HandOverRunsOnTheMainThreadAndCarriesErrorsBack) {
  TThread::InitializeSynchronize();
  HandOverOutcome quiet;
  (new TCallingThread(quiet, [] {}))->Start();
  WaitPumping(quiet);
  EXPECT_EQ(quiet.outcome, "ran");
  EXPECT_EQ(quiet.ranOn, GetCurrentThreadId());

  HandOverOutcome failing;
  (new TCallingThread(failing, [] { throw Exception("1.7.x.0 is not a number"); }))->Start();
  WaitPumping(failing);
  EXPECT_EQ(failing.outcome, "raised 1.7.x.0 is not a number");
}

TEST(Thread, HandOverIsDroppedOnceTheProgramEnds) {
  TThread::InitializeSynchronize();
  bool ran = false;
  HandOverOutcome late;
  (new TCallingThread(late, [&] { ran = true; }))->Start();
  Sleep(200);  // the call is queued and its thread waits
  TThread::DropPendingSynchronize();
  WaitForSingleObject(late.told, INFINITE);
  Application.ProcessMessages();
  EXPECT_FALSE(ran);
  EXPECT_EQ(late.outcome, "dropped");
  TThread::InitializeSynchronize();
}

TEST(Thread, ThreadOfAnEndedLoopStaysDroppedWhenANewOneStarts) {
  TThread::InitializeSynchronize();
  bool ran = false;
  HandOverOutcome orphan;
  auto* thread = new TCallingThread(orphan, [&] { ran = true; });
  TThread::DropPendingSynchronize();  // the window that started it is gone
  TThread::InitializeSynchronize();   // and a new one runs its loop
  thread->Start();
  WaitPumping(orphan);
  EXPECT_FALSE(ran);
  EXPECT_EQ(orphan.outcome, "dropped");
}

TEST(Bitmap, RowsAreTopDownBlueGreenRed) {
  TBitmap bitmap;
  bitmap.SetSize(5, 3);
  bitmap.Canvas().Brush().Color = RGBColor(10, 20, 30);
  bitmap.Canvas().FillRect({0, 0, 5, 1});
  uint8_t* row2 = bitmap.ScanLine(2);
  row2[3 * 4 + 0] = 200;  // blue of column 4
  row2[3 * 4 + 2] = 100;  // red
  EXPECT_EQ(bitmap.ScanLine(0)[0], 30);
  EXPECT_EQ(bitmap.ScanLine(0)[1], 20);
  EXPECT_EQ(bitmap.ScanLine(0)[2], 10);
  EXPECT_EQ(pixelOf(bitmap, 4, 0), RGB(10, 20, 30));
  EXPECT_EQ(pixelOf(bitmap, 4, 2), RGB(100, 0, 200));
  EXPECT_EQ(GetPixel(bitmap.Canvas().Handle(), 4, 2), RGB(100, 0, 200));  // GDI sees the row writes
}

TEST(Colors, SystemColoursResolveWhenUsed) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(16777088)), RGB(128, 255, 255));
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
}
