#include "info/Contact.h"

#include "library/LookupLine.h"

namespace lumivox {
namespace {

constexpr const char* kWhoseContact = "对话库译者：";

}  // namespace

LibraryContact readLibraryContact(const std::string& mainLibraryPath) {
  return {LookupLine(mainLibraryPath, kContactSection, kContactMailKey, ""),
          LookupLine(mainLibraryPath, kContactSection, kContactQqKey, ""),
          LookupLine(mainLibraryPath, kContactSection, kContactWebKey, "")};
}

std::string aboutContactNote(const LibraryContact& contact) {
  std::string note;
  if (contact.empty()) {
    note = std::string(kNoContactText) + "\n“发送报告”会把信放进剪贴板，请把它交给向您提供这份翻译的人。";
  } else {
    note = kWhoseContact;
    if (!contact.mail.empty()) note += "\nE-Mail:\n" + contact.mail;
    if (!contact.qq.empty()) note += "\nQQ:" + contact.qq;
    if (!contact.web.empty()) note += "\n网址:\n" + contact.web;
  }
  // The rights line breaks before the team's name: whole, it is wider than the frame.
  return note + "\n© Lumivox\n开发组\n欢迎转载分发。";
}

std::string contactLine(const LibraryContact& contact) {
  std::string entries;
  const auto add = [&entries](const char* label, const std::string& value) {
    if (value.empty()) return;
    if (!entries.empty()) entries += "   ";
    entries += label + value;
  };
  add("E-Mail:", contact.mail);
  add("QQ:", contact.qq);
  add("网址:", contact.web);
  return entries.empty() ? entries : kWhoseContact + entries;
}

}  // namespace lumivox
