#pragma once
#include "common/Twips.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace lumivox {

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
