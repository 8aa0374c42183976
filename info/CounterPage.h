#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

inline constexpr const char* kCounterPageLoadingText = "正在获取您的相关信息...";
inline constexpr const char* kCounterPageReadyText = "获取完毕...待命中...";

// A counter page shows one number; a file larger than this is not one.
inline constexpr std::size_t kMaxCounterPageBytes = 256 * 1024;

// The character set a page declares in a meta element (charset="…" or an
// http-equiv Content-Type with "charset=…") within its first 1024 bytes, as
// browsers look for it; lower case, empty when it declares none.
std::string declaredCharset(std::string_view page);

// The page file as UTF-8 HTML: decoded as UTF-8 when it starts with a UTF-8
// byte order mark or declares UTF-8, otherwise as GBK, the system code page
// its pages are written in. Nothing when the file cannot be read.
std::optional<std::string> readCounterPage(const std::string& path);

// What the counter page shows, as plain text: the page read as above, then
// its visible text (see pageText). Empty when the file cannot be read. No
// page, however large or deeply nested, takes more than one linear pass.
std::string counterPageText(const std::string& path);

}  // namespace lumivox
