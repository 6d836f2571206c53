#include "tests/support/MessageBoxCatcher.h"

#include <algorithm>
#include <stdexcept>

namespace klangor::test {
namespace {

thread_local MessageBoxCatcher* activeCatcher = nullptr;

std::string windowText(HWND window)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string className(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher()
{
    hook_ = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
    if (!hook_)
        throw std::runtime_error("SetWindowsHookExA(WH_CBT) failed: " + std::to_string(GetLastError()));
    previous_ = activeCatcher;
    activeCatcher = this;
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    activeCatcher = previous_;
    UnhookWindowsHookEx(hook_);
}

void MessageBoxCatcher::answerNext(int commandId)
{
    answers_.push_back(commandId);
}

LRESULT CALLBACK MessageBoxCatcher::hookProc(int code, WPARAM wParam, LPARAM lParam)
{
    MessageBoxCatcher* self = activeCatcher;
    if (self) {
        HWND window = reinterpret_cast<HWND>(wParam);
        // A box can be activated again (after another window took the focus);
        // it is recorded and answered once, at its first activation.
        if (code == HCBT_ACTIVATE && className(window) == "#32770" &&
            std::find(self->answered_.begin(), self->answered_.end(), window) == self->answered_.end())
            self->catchBox(window);
        else if (code == HCBT_DESTROYWND)
            std::erase(self->answered_, window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxCatcher::catchBox(HWND box)
{
    CaughtBox caught;
    caught.caption = windowText(box);
    HWND firstButton = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string cls = className(child);
        if (cls == "Button") {
            caught.buttons.push_back(windowText(child));
            if (!firstButton)
                firstButton = child;
        } else if (cls == "Static") {
            // An icon Static can be left in place with no icon in it.
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                caught.hasIcon = caught.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
            else if (caught.text.empty())
                caught.text = windowText(child);
        }
    }

    if (!answers_.empty()) {
        caught.answer = answers_.front();
        answers_.pop_front();
    } else {
        caught.answer = firstButton ? GetDlgCtrlID(firstButton) : IDOK;
    }
    HWND button = GetDlgItem(box, caught.answer);
    // The answer is posted: the box's modal loop, which starts right after the
    // activation, receives it as the click of that button.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(caught.answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    answered_.push_back(box);
    boxes_.push_back(std::move(caught));
}

}  // namespace klangor::test
