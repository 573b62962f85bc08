#include "special/TAddSpecial.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

namespace {

constexpr Rect kList{16, 16, 137, 109};
constexpr Rect kParameter1Box{216, 16, 357, 35};
constexpr Rect kParameter2Box{216, 40, 357, 59};
constexpr Rect kSwatch{338, 64, 357, 83};
constexpr Point kParameter1Label{144, 18};
constexpr Point kParameter2Label{144, 42};
constexpr Point kColorLabel{144, 66};
constexpr int kLabelWidth = 65;
constexpr Point kCancelImage{220, 98};
constexpr Point kCancelLabel{241, 100};
constexpr Point kApplyImage{292, 98};
constexpr Point kApplyLabel{313, 100};
constexpr int kApplyPicture = 4;
constexpr int kCancelPicture = 2;

}  // namespace

TAddSpecial::TAddSpecial(Platform& platform, Session& session, MenuWindowControl& menu)
    : m_platform(platform),
      m_session(session),
      m_menu(menu),
      m_skin(platform.measure),
      m_parameter1Label{kParameter1Label, "", kLabelWidth},
      m_parameter2Label{kParameter2Label, "", kLabelWidth},
      m_colorLabel{kColorLabel, "", kLabelWidth},
      m_cancel(m_skin, kCancelImage, kCancelPicture, DoubleClick::Ignored, [this] { ICancelClick(); }),
      m_apply(m_skin, kApplyImage, kApplyPicture, DoubleClick::Ignored, [this] { IApplyClick(); }),
      m_swatch(platform.dialogs, kSwatch, 0xFFFFFF) {
  m_controls.Add(m_cancel);
  m_controls.Add(m_apply);
  m_controls.Add(m_swatch);
}

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
  m_colorLabel.text = texts.Text("ASpecial6");
  m_cancel.SetCaption({kCancelLabel, texts.Text("Cancel")});
  m_apply.SetCaption({kApplyLabel, texts.Text("Apply")});
  UpdateSkin();
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
  m_parameter1Label.text = m_layout.parameter1;
  m_parameter1Label.enabled = m_layout.parameter1Enabled;
  m_parameter2Label.text = m_layout.parameter2;
  m_parameter2Label.enabled = m_layout.parameter2Enabled;
  m_colorLabel.enabled = m_layout.colorEnabled;
  m_swatch.SetEnabled(m_layout.colorEnabled);
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

void TAddSpecial::FormMouseDown(MouseButton button, Point point) {
  if (m_controls.MouseDown(button, point)) m_window->Invalidate();
}

void TAddSpecial::FormMouseUp(MouseButton button, Point point) {
  if (m_controls.MouseUp(button, point)) m_window->Invalidate();
}

void TAddSpecial::FormMouseDoubleClick(MouseButton button, Point point) {
  if (m_controls.MouseDoubleClick(button, point)) m_window->Invalidate();
}

void TAddSpecial::IApplyClick() {
  const int selected = m_kinds->Selected();
  if (selected >= 0 && selected < kSpecialKindCount) {
    SpecialRequest request;
    request.kind = static_cast<SpecialKind>(selected);
    request.parameter1 = m_parameter1->Text();
    request.parameter2 = m_parameter2->Text();
    request.color = m_swatch.Value();
    request.target = m_target;
    request.menuId = m_targetMenuId;
    AddSpecialItems(m_session.Table(), m_session.Menus(), request, m_session.Options().Text);
  }
  m_menu.RefreshIfVisible();
  m_window->Hide();
}

void TAddSpecial::ICancelClick() { m_window->Hide(); }

void TAddSpecial::UpdateSkin() {
  m_skin.background = m_session.Options().Background;
  m_skin.text = m_session.Options().Text;
  m_skin.font = m_session.Texts().Font;
}

void TAddSpecial::FormPaint(Canvas& canvas) {
  UpdateSkin();
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, m_skin.background);
  DrawRaisedFrame(canvas, client);
  DrawFieldFrame(canvas, kList);
  DrawFieldFrame(canvas, kParameter1Box);
  DrawFieldFrame(canvas, kParameter2Box);
  m_parameter1Label.Paint(canvas, m_skin);
  m_parameter2Label.Paint(canvas, m_skin);
  m_colorLabel.Paint(canvas, m_skin);
  m_controls.Paint(canvas);
}

}  // namespace tarnwick
