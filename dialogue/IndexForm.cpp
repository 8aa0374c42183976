#include "dialogue/IndexForm.h"

namespace lumivox {
namespace {

using K = ControlKind;

ControlTable buildIndexForm() {
  ControlTable form{"Index", "Lumivox", 3555, 6300, {}};
  auto& c = form.controls;
  c.push_back({K::Frame, "Frame1", "", "对话内容", 0, 0, 3495, 2295});
  c.push_back({.kind = K::DialogueLine, .name = "对话内容", .parent = "Frame1", .caption = kWelcomeText,
               .left = 120, .top = 240, .width = 3255, .height = 1935, .colour = Rgb{255, 0, 0},
               .face = kSongFace, .points = 10.5, .wrap = true});
  c.push_back({K::Line, "Line1", "", "", 0, 2400, 3720, 0});
  c.push_back({K::Label, "Label1", "", "状态：", 0, 2640, 615, 375});
  c.push_back({.kind = K::Label, .name = "状态提示", .caption = "待命...", .left = 600, .top = 2520, .width = 2895,
               .height = 615, .colour = Rgb{0, 0, 192}, .align = Align::Centre, .wrap = true});
  c.push_back({K::Line, "Line2", "", "", 0, 3120, 3600, 0});

  c.push_back({K::Frame, "Frame2", "", "对话进度", 0, 3240, 3495, 1095});
  c.push_back({K::Label, "Label2", "Frame2", "0", 158, 360, 255, 255});
  c.push_back({K::ProgressBar, "Bar1", "Frame2", "", 330, 390, 2790, 135});
  c.push_back({K::Label, "Label3", "Frame2", "100", 3158, 360, 255, 255});
  c.push_back({K::Label, "Label4", "Frame2", "您目前位于已经分离对话的约", 120, 720, 2415, 255});
  c.push_back({.kind = K::Label, .name = "BFB", .parent = "Frame2", .caption = "0", .left = 2520, .top = 720,
               .width = 375, .height = 255, .colour = Rgb{192, 0, 192}, .face = kSongFace, .points = 10.5,
               .align = Align::Centre});
  c.push_back({K::Label, "Label5", "Frame2", "%处。", 2880, 720, 495, 255});

  c.push_back({K::Frame, "Frame3", "", "主、支线对话选择", 0, 4440, 3495, 1215});
  c.push_back({K::Label, "Label6", "Frame3", "单击文本  [记忆之门可能要选择内容]", 120, 360, 3255, 255});
  c.push_back({.kind = K::Label, .name = "Label7", .parent = "Frame3", .caption = "主线剧情", .left = 240, .top = 720,
               .width = 855, .height = 255, .colour = Rgb{128, 128, 255}, .click = CommandId::MainStory});
  // Any button, as the player may right-click a label that looks like a menu.
  c.push_back({.kind = K::Label, .name = "Label8", .parent = "Frame3", .caption = "记忆之门", .left = 1200, .top = 720,
               .width = 855, .height = 255, .colour = Rgb{0, 255, 0}, .click = CommandId::OpenGateMenu,
               .anyButton = true});
  c.push_back({.kind = K::Label, .name = "Label9", .parent = "Frame3", .caption = "隐藏该部分", .left = 2280, .top = 840,
               .width = 1095, .height = 255, .click = CommandId::HideTrackChoice});

  // The last row reads as one sentence around the counter page: its labels
  // are one line each, grown to their text, level with the page's text. As
  // designed they were narrower than their text and wrapped onto two lines.
  c.push_back({K::Label, "Label10", "", "恭喜！您是第", 0, 5760, 705, 495});
  // A page of any length is read whole in the small area.
  c.push_back({.kind = K::Label, .name = "UserNumberBrowser", .left = 840, .top = 5760, .width = 1695, .height = 495,
               .align = Align::Centre, .wrap = true, .scrolls = true});
  c.push_back({K::Label, "Label11", "", "位使用软件的人～ ", 2640, 5760, 855, 495});

  // Never seen: they lie outside the client area.
  c.push_back({K::HiddenField, "Dirurl", "", "", 8040, 120, 1215, 285});
  c.push_back({K::HiddenField, "Dirurl2", "", "", 8040, 480, 1215, 285});
  c.push_back({K::HiddenField, "Text1", "", "1", 8040, 840, 1215, 285});
  c.push_back({K::HiddenField, "Text3", "", "1", 8040, 1200, 1215, 285});
  return form;
}

}  // namespace

const ControlTable& indexForm() {
  static const ControlTable form = buildIndexForm();
  return form;
}

}  // namespace lumivox
