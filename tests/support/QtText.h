#pragma once
#include <QString>
#include <string_view>

// Test texts are UTF-8 (Chinese objectNames and captions included).
inline QString u(const char* text) { return QString::fromUtf8(text); }
inline QString u(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
