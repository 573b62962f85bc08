#include "special/TAddSpecial.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

namespace {

constexpr Rect kListFrame{14, 14, 139, 111};
constexpr Rect kList{16, 16, 137, 109};
constexpr Rect kParameter1Frame{214, 14, 359, 37};
constexpr Rect kParameter1Box{216, 16, 357, 35};
constexpr Rect kParameter2Frame{214, 38, 359, 61};
constexpr Rect kParameter2Box{216, 40, 357, 59};
constexpr Rect kSwatchFrame{336, 62, 359, 85};
constexpr Rect kSwatch{338, 64, 357, 83};
constexpr Rect kParameter1Label{144, 18, 209, 31};
constexpr Rect kParameter2Label{144, 42, 209, 55};
constexpr Rect kColorLabel{144, 66, 209, 79};
constexpr Rect kCancelImage{220, 98, 236, 114};
constexpr Point kCancelLabel{241, 100};
constexpr Rect kApplyImage{292, 98, 308, 114};
constexpr Point kApplyLabel{313, 100};
constexpr int kLabelHeight = 13;
constexpr int kApplyPicture = 4;
constexpr int kCancelPicture = 2;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// Captions of disabled labels.
constexpr Color kGreyText = 0x808080;

// A white rectangle with a black one-pixel outline, in which an edit box, a list or a swatch stands.
void DrawBoxFrame(Canvas& canvas, const Rect& frame, Color inside) {
  canvas.FillRect(frame, kBlack);
  canvas.FillRect({frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1}, inside);
}

}  // namespace

TAddSpecial::TAddSpecial(Platform& platform, Session& session, MenuWindowControl& menu)
    : m_platform(platform), m_session(session), m_menu(menu) {}

void TAddSpecial::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "TAddSpecial";
  spec.title = "Tarnwick";
  spec.bounds.left = (screen.width - kWidth) / 2;
  spec.bounds.top = (screen.height - kHeight) / 2;
  spec.bounds.right = spec.bounds.left + kWidth;
  spec.bounds.bottom = spec.bounds.top + kHeight;
  m_window = m_platform.windows.Create(spec, *this);
  m_kinds = &m_window->AddListBox(kKindList, kList);
  m_parameter1 = &m_window->AddEditBox(kParameter1, kParameter1Box);
  m_parameter2 = &m_window->AddEditBox(kParameter2, kParameter2Box);
  // Until a kind is chosen the boxes take nothing.
  m_parameter1->SetEnabled(false);
  m_parameter2->SetEnabled(false);
}

void TAddSpecial::Open(Cell target, int menuId) {
  m_target = target;
  m_targetMenuId = menuId;
  FormShow();
  m_window->ShowActivate();
  m_window->Repaint();
  m_parameter1->Focus();
}

void TAddSpecial::FormShow() {
  const LanguageTexts& texts = m_session.Texts();
  m_kinds->SetFont(texts.Font);
  m_parameter1->SetFont(texts.Font);
  m_parameter2->SetFont(texts.Font);
  m_kinds->SetItems({texts.Text("ASpecial1"), texts.Text("ASpecial2"), texts.Text("ASpecial3"),
                     texts.Text("ASpecial4"), texts.Text("ASpecial5")});
  // The boxes keep what was typed at an earlier opening.
  m_kinds->Select(0);
  ListBox1Click();
}

void TAddSpecial::ListBox1Click() {
  const int selected = m_kinds->Selected();
  if (selected < 0 || selected >= kSpecialKindCount) return;
  m_layout = LayoutOf(static_cast<SpecialKind>(selected), m_session.Texts());
  m_parameter1->SetEnabled(m_layout.parameter1Enabled);
  m_parameter2->SetEnabled(m_layout.parameter2Enabled);
  m_window->Invalidate();
}

void TAddSpecial::FormControlChanged(int controlId) {
  if (controlId == kKindList) ListBox1Click();
}

void TAddSpecial::FormDialogKey(bool accept) {
  if (accept) {
    IApplyClick();
  } else {
    ICancelClick();
  }
}

Rect TAddSpecial::LabelBounds(Point origin, const std::string& caption) const {
  const int width = m_platform.measure.TextWidth(m_session.Texts().Font, caption);
  return {origin.x, origin.y, origin.x + width, origin.y + kLabelHeight};
}

void TAddSpecial::FormMouseDown(MouseButton, Point point) {
  if (kSwatch.Contains(point)) SItemColorMouseDown();
}

void TAddSpecial::FormMouseUp(MouseButton button, Point point) {
  if (button != MouseButton::Left) return;
  const LanguageTexts& texts = m_session.Texts();
  if (kApplyImage.Contains(point) || LabelBounds(kApplyLabel, texts.Text("Apply")).Contains(point)) {
    IApplyClick();
  } else if (kCancelImage.Contains(point) || LabelBounds(kCancelLabel, texts.Text("Cancel")).Contains(point)) {
    ICancelClick();
  }
}

void TAddSpecial::SItemColorMouseDown() {
  if (!m_layout.colorEnabled) return;
  if (const std::optional<Color> chosen = m_platform.dialogs.PickColor(m_color)) {
    m_color = *chosen;
    m_window->Invalidate();
  }
}

void TAddSpecial::IApplyClick() {
  const int selected = m_kinds->Selected();
  if (selected >= 0 && selected < kSpecialKindCount) {
    SpecialRequest request;
    request.kind = static_cast<SpecialKind>(selected);
    request.parameter1 = m_parameter1->Text();
    request.parameter2 = m_parameter2->Text();
    request.color = m_color;
    request.target = m_target;
    request.menuId = m_targetMenuId;
    AddSpecialItems(m_session.Table(), m_session.Menus(), request, m_session.Options().Text);
  }
  m_menu.RefreshIfVisible();
  m_window->Hide();
}

void TAddSpecial::ICancelClick() { m_window->Hide(); }

void TAddSpecial::FormPaint(Canvas& canvas) {
  const Settings& options = m_session.Options();
  const LanguageTexts& texts = m_session.Texts();
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, options.Background);
  DrawRaisedFrame(canvas, client);

  DrawBoxFrame(canvas, kListFrame, kWhite);
  DrawBoxFrame(canvas, kParameter1Frame, kWhite);
  DrawBoxFrame(canvas, kParameter2Frame, kWhite);
  DrawBoxFrame(canvas, kSwatchFrame, kWhite);
  DrawBoxFrame(canvas, kSwatch, m_color);

  canvas.SetFont(texts.Font);
  const auto label = [&](const Rect& bounds, const std::string& caption, bool enabled) {
    canvas.TextInRect(bounds, {bounds.left, bounds.top}, caption, enabled ? options.Text : kGreyText,
                      options.Background);
  };
  label(kParameter1Label, m_layout.parameter1, m_layout.parameter1Enabled);
  label(kParameter2Label, m_layout.parameter2, m_layout.parameter2Enabled);
  label(kColorLabel, texts.Text("ASpecial6"), m_layout.colorEnabled);
  label(LabelBounds(kCancelLabel, texts.Text("Cancel")), texts.Text("Cancel"), true);
  label(LabelBounds(kApplyLabel, texts.Text("Apply")), texts.Text("Apply"), true);
  canvas.DrawImage(kCancelPicture, {kCancelImage.left, kCancelImage.top});
  canvas.DrawImage(kApplyPicture, {kApplyImage.left, kApplyImage.top});
}

}  // namespace tarnwick
