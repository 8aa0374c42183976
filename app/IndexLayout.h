#pragma once

class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace lumivox {

// Twips as designed to pixels at 96 dots per inch.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

// The controls of the main window's client area that the program talks to.
struct IndexControls {
  QLabel* dialogue = nullptr;  // 对话内容
  QLabel* status = nullptr;    // 状态提示
  QProgressBar* bar = nullptr; // Bar1
  QLabel* percent = nullptr;   // BFB
  QLineEdit* mainLibraryPath = nullptr;  // Dirurl
  QLineEdit* doorLibraryPath = nullptr;  // Dirurl2
  QLineEdit* mainLoadedText = nullptr;   // Text1
  QLineEdit* doorLoadedText = nullptr;   // Text3
};

inline constexpr int kClientWidthTwips = 3555;
inline constexpr int kClientHeightTwips = 6300;

// Lays out every control of the client area on the given widget, each named
// as the program names it.
IndexControls buildIndexControls(QWidget* client);

}  // namespace lumivox
