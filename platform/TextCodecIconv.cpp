#include <iconv.h>

#include <stdexcept>
#include <string>

#include "platform/GbkCodePage.h"

namespace lumivox {
namespace {

// GBK's user-defined areas, where code page 936 counts private-use
// characters from U+E000 on, row by row.
struct UserDefinedArea {
  unsigned char firstLead, lastLead, firstTrail, lastTrail;
  char16_t first;
};
constexpr UserDefinedArea kUserDefinedAreas[] = {
    {0xAA, 0xAF, 0xA1, 0xFE, 0xE000},
    {0xF8, 0xFE, 0xA1, 0xFE, 0xE234},
    {0xA1, 0xA7, 0x40, 0xA0, 0xE4C6},
};
// Where it goes on counting, for the places GBK leaves empty elsewhere.
constexpr char16_t kUnassignedFirst = 0xE766;

char16_t userDefinedCharacter(unsigned char lead, unsigned char trail) {
  for (const UserDefinedArea& area : kUserDefinedAreas) {
    if (lead < area.firstLead || lead > area.lastLead || trail < area.firstTrail || trail > area.lastTrail) continue;
    std::size_t perRow = 0, before = 0;
    for (unsigned t = area.firstTrail; t <= area.lastTrail; ++t) {
      if (!isGbkTrail(static_cast<unsigned char>(t))) continue;
      ++perRow;
      if (t < trail) ++before;
    }
    return static_cast<char16_t>(area.first + (lead - area.firstLead) * perRow + before);
  }
  return 0;
}

class Iconv {
 public:
  Iconv() : cd_(iconv_open("UTF-16LE", "GBK")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv conversion from GBK");
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // The one character of the basic plane the bytes read as, or 0.
  char16_t character(std::string bytes) {
    char16_t out[2] = {};
    char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    const bool read = iconv(cd_, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    return read && inLeft == 0 && outLeft == sizeof out - sizeof(char16_t) ? out[0] : 0;
  }

 private:
  iconv_t cd_;
};

}  // namespace

// glibc's GBK is code page 936 but for the private-use characters, which it
// leaves out: they are numbered here as the code page numbers them.
void readSystemGbkCodePage(GbkCodePage& page) {
  Iconv gbk;
  for (const unsigned char byte : {0x80, 0xFF}) page.single(byte) = gbk.character(std::string(1, char(byte)));
  char16_t unassigned = kUnassignedFirst;
  for (unsigned lead = kGbkLeadFirst; lead <= kGbkLeadLast; ++lead) {
    for (unsigned trail = kGbkTrailFirst; trail <= kGbkTrailLast; ++trail) {
      const auto l = static_cast<unsigned char>(lead), t = static_cast<unsigned char>(trail);
      if (!isGbkTrail(t)) continue;
      char16_t c = gbk.character({char(l), char(t)});
      if (!c) c = userDefinedCharacter(l, t);
      if (!c) c = unassigned++;
      page.pair(l, t) = c;
    }
  }
}

}  // namespace lumivox
