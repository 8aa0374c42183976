#include "info/AboutForm.h"

#include "info/About.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildAboutForm() {
  ControlTable form{.name = "About", .title = "关于『Lumivox』", .clientWidth = 5715, .clientHeight = 4860, .controls = {},
                .defaultButton = "Command1", .cancelButton = "Command1"};
  auto& c = form.controls;
  c.push_back({K::Frame, "Frame1", "", "版本信息", 120, 120, 3615, 2175});
  c.push_back({K::Label, "Label1", "Frame1", " 程序版本：", 240, 360, 1095, 255});
  c.push_back({.kind = K::Label, .name = "Label2", .parent = "Frame1", .caption = kProgramVersion, .left = 1680,
               .top = 360, .width = 1335, .height = 255, .align = Align::Centre});
  c.push_back({K::Label, "Label3", "Frame1", "对话文件库：", 120, 840, 1455, 255});
  c.push_back({.kind = K::Label, .name = "Label4", .parent = "Frame1", .caption = "\?\?\?\?-\?\?-\?\?日更新",
               .left = 1320, .top = 840, .width = 2175, .height = 255, .align = Align::Centre});
  c.push_back({K::Label, "Label5", "Frame1", "对话量(主线)：", 240, 1320, 1335, 255});
  c.push_back({.kind = K::Label, .name = "Label6", .parent = "Frame1", .caption = "????", .left = 1800, .top = 1320,
               .width = 975, .height = 255, .align = Align::Centre});
  c.push_back({K::Label, "Label12", "Frame1", "对话量  (门)：", 240, 1680, 1335, 255});
  c.push_back({.kind = K::Label, .name = "Doortextnumber", .parent = "Frame1", .caption = "????", .left = 1680,
               .top = 1680, .width = 1215, .height = 255, .align = Align::Centre});

  c.push_back({K::Frame, "Frame2", "", "版权信息", 120, 2400, 3615, 1095});
  c.push_back({K::Label, "Label7", "Frame2", "程序制作：", 120, 360, 1095, 255});
  c.push_back({K::Label, "Label8", "Frame2", "Pell", 1920, 360, 735, 375});
  c.push_back({K::Label, "Label9", "Frame2", "对话翻译：", 120, 720, 975, 255});
  c.push_back({K::Label, "Label10", "Frame2", "Lumivox 翻译组", 1680, 720, 1335, 255});

  c.push_back({K::Frame, "Frame3", "", "联系方式", 3960, 120, 1575, 3015});
  // The library's contact, set at load; small, so that whole addresses fit
  // the narrow frame.
  c.push_back({.kind = K::Label, .name = "Label11", .parent = "Frame3", .left = 240, .top = 360, .width = 1215,
               .height = 2535, .points = 8, .wrap = true});

  c.push_back({.kind = K::Button, .name = "Command1", .caption = "确定", .left = 4200, .top = 3240, .width = 1095,
               .height = 375, .command = ButtonCommand::Close});

  c.push_back({K::Frame, "Frame4", "", "鸣谢  感谢以下人员为程序作出的贡献  滚动播出(5秒)", 0, 3840, 5655, 975});
  c.push_back({.kind = K::Label, .name = "SThanks", .parent = "Frame4", .caption = "请稍后，鸣谢列表正在载入...",
               .left = 240, .top = 240, .width = 5175, .height = 615, .face = kSongFace, .points = 10.5,
               .bold = true, .align = Align::CentreTop, .wrap = true});
  return form;
}

}  // namespace

const ControlTable& aboutForm() {
  static const ControlTable form = buildAboutForm();
  return form;
}

}  // namespace lumivox
