#include "win32/InputBox.h"

#include <vector>

namespace lumivox {
namespace {

// Dialog templates are a sequence of 16-bit words; each item starts on a
// 32-bit boundary.
class DialogTemplate {
 public:
  void word(WORD value) { words_.push_back(value); }
  void dword(DWORD value) {
    word(LOWORD(value));
    word(HIWORD(value));
  }
  void text(const wchar_t* value) {
    for (; *value; ++value) word(static_cast<WORD>(*value));
    word(0);
  }
  void alignToDword() {
    if (words_.size() % 2) word(0);
  }

  void header(DWORD style, WORD items, short width, short height, const wchar_t* font, WORD points) {
    dword(style);
    dword(0);  // extended style
    word(items);
    word(0), word(0), word(static_cast<WORD>(width)), word(static_cast<WORD>(height));
    word(0);  // no menu
    word(0);  // the system's dialog class
    text(L"");  // the title is set at start
    word(points);
    text(font);
  }

  // classAtom: 0x0080 button, 0x0081 edit, 0x0082 static.
  void item(DWORD style, short x, short y, short width, short height, WORD id, WORD classAtom,
            const wchar_t* caption) {
    alignToDword();
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    word(static_cast<WORD>(x)), word(static_cast<WORD>(y));
    word(static_cast<WORD>(width)), word(static_cast<WORD>(height));
    word(id);
    word(0xFFFF), word(classAtom);
    text(caption);
    word(0);  // no creation data
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct InputBoxState {
  const std::wstring& prompt;
  const std::wstring& title;
  const std::wstring& initialText;
  std::wstring answer;
};

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

INT_PTR CALLBACK inputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<InputBoxState*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetWindowTextW(dialog, state->title.c_str());
      SetDlgItemTextW(dialog, kInputBoxPromptId, state->prompt.c_str());
      HWND field = GetDlgItem(dialog, kInputBoxTextId);
      SetWindowTextW(field, state->initialText.c_str());
      SendMessageW(field, EM_SETSEL, 0, -1);
      SetFocus(field);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        state->answer = windowText(GetDlgItem(dialog, kInputBoxTextId));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // 取消, Esc and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::wstring> runInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                                        const std::wstring& initialText) {
  // Laid out in dialog units: the prompt with the buttons to its right, the
  // text field across the bottom. The prompt shows '&' as it is.
  DialogTemplate dialog;
  dialog.header(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 240, 82,
                L"MS Shell Dlg", 9);
  dialog.item(SS_LEFT | SS_NOPREFIX, 7, 7, 168, 48, kInputBoxPromptId, 0x0082, L"");
  dialog.item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 62, 226, 13, kInputBoxTextId, 0x0081, L"");
  dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 7, 50, 14, IDOK, 0x0080, L"确定");
  dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 183, 25, 50, 14, IDCANCEL, 0x0080, L"取消");

  InputBoxState state{prompt, title, initialText, {}};
  const auto instance = GetModuleHandleW(nullptr);
  if (DialogBoxIndirectParamW(instance, dialog.get(), owner, inputBoxProcedure, reinterpret_cast<LPARAM>(&state)) !=
      IDOK)
    return std::nullopt;
  return state.answer;
}

}  // namespace lumivox
