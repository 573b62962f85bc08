#include "options/TOptions.h"

#include "ui/RaisedFrame.h"

namespace tarnwick {

namespace {

struct TabPlace {
  OptionsPage page;
  Rect image;
  const char* captionKey;  // null: a fixed caption
  const char* fixedCaption;
};

// Left to right. The About tab is a narrow one with a mark for its caption.
constexpr std::array<TabPlace, 5> kTabs = {{
    {OptionsPage::General, {8, 8, 98, 28}, "General", nullptr},
    {OptionsPage::Display, {104, 8, 194, 28}, "Display", nullptr},
    {OptionsPage::Popup, {200, 8, 290, 28}, "Popup", nullptr},
    {OptionsPage::MenuItem, {296, 8, 386, 28}, "MenuItem", nullptr},
    {OptionsPage::About, {392, 8, 410, 28}, nullptr, "!"},
}};
constexpr int kTabCaptionDrop = 3;
constexpr Point kApplyImage{332, 296};
constexpr Point kApplyCaption{352, 298};
constexpr int kApplyPicture = 4;
constexpr int kTabEdge = 2;

Point PageOrigin() { return {TOptions::kPageBounds.left, TOptions::kPageBounds.top}; }

}  // namespace

OptionsTab::OptionsTab(const Skin& skin, const Rect& bounds, std::function<void()> action)
    : ClickControl(std::move(action)), m_skin(skin), m_bounds(bounds) {}

void OptionsTab::Paint(Canvas& canvas) const {
  const Rect& r = m_bounds;
  canvas.FillRect(r, m_skin.background);
  const int w = r.Width();
  const int h = r.Height();
  // The tab in front looks pressed (light right and bottom edges), the others raised (light
  // top and left edges).
  if (m_pressed) {
    canvas.Line({r.left + w, r.top}, {r.left + w, r.top + h}, EdgeLight, kTabEdge);
    canvas.Line({r.left + w, r.top + h}, {r.left, r.top + h}, EdgeLight, kTabEdge);
  } else {
    canvas.Line({r.left + w, r.top}, {r.left, r.top}, EdgeLight, kTabEdge);
    canvas.Line({r.left, r.top}, {r.left, r.top + h}, EdgeLight, kTabEdge);
  }
  canvas.SetFont(m_skin.font);
  const int textWidth = canvas.TextWidth(m_caption);
  const Rect caption{r.left + 2, r.top + kTabCaptionDrop, r.right - 2, r.top + kTabCaptionDrop + Label::kHeight};
  canvas.TextInRect(caption, {r.left + (w - textWidth) / 2, caption.top}, m_caption, m_skin.text,
                    m_skin.background);
}

TOptions::TOptions(Platform& platform, Session& session, Activation& activation)
    : m_platform(platform),
      m_session(session),
      m_activation(activation),
      m_skin(platform.measure),
      m_general(m_skin, session.Options(), PageOrigin()),
      m_display(m_skin, session.Options(), platform.dialogs, platform.measure, PageOrigin()),
      m_about(m_skin, session.Options(), platform.dialogs, platform.shell, PageOrigin(), [this] { LanguageChosen(); }),
      m_popup(m_skin, session, platform.dialogs, *this, PageOrigin()),
      m_itemEditor(session, platform),
      m_menuItem(m_skin, m_itemEditor, platform.icons, PageOrigin()),
      m_apply(m_skin, kApplyImage, kApplyPicture, DoubleClick::Ignored, [this] { ApplyOptions(); }) {
  for (size_t i = 0; i < kTabs.size(); ++i) {
    const OptionsPage page = kTabs[i].page;
    m_tabs[i] = std::make_unique<OptionsTab>(m_skin, kTabs[i].image, [this, page] { SelectPage(page); });
    m_frame.Add(*m_tabs[i]);
  }
  m_frame.Add(m_apply);
  UpdateSkin();
  UpdateTexts();
  PaintTabs();
}

void TOptions::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "Tarnwick";
  spec.title = "Tarnwick";
  spec.bounds.left = (screen.width - kWidth) / 2;
  spec.bounds.top = (screen.height - kHeight) / 2;
  spec.bounds.right = spec.bounds.left + kWidth;
  spec.bounds.bottom = spec.bounds.top + kHeight;
  spec.mainWindow = true;
  m_window = m_platform.windows.Create(spec, *this);
  m_popup.Attach(*m_window);
  m_popup.SetVisible(m_page == OptionsPage::Popup);
  m_menuItem.Create(*m_window);
  m_menuItem.UpdateTexts(m_session.Texts());
  m_menuItem.SetShown(m_page == OptionsPage::MenuItem);
}

void TOptions::AttachMenuWindow(MenuWindowControl& menu) {
  m_menu = &menu;
  m_popup.AttachMenuWindow(menu);
  m_itemEditor.AttachMenuWindow(menu);
}

void TOptions::EditCell(EditorCell cell) {
  m_itemEditor.EditCell(cell);
  m_menuItem.Sync();
  if (m_window) m_window->Invalidate();
}

void TOptions::SettingsLoaded() {
  // The editor starts on the first cell of the first menu.
  m_itemEditor.ResetCell();
  m_display.LoadColors();
  UpdateSkin();
  UpdateTexts();
  m_popup.Load();
}

void TOptions::ShowAtStartIfNeeded() {
  if (m_session.ShowOptionsAtStart()) Show();
}

void TOptions::ShowPage(OptionsPage page) {
  SelectPage(page);
  Show();
}

void TOptions::SelectPage(OptionsPage page) {
  // Showing the Menu Item page loads the item editor; no other switch runs anything, and none
  // stores the editor's pending edit.
  if (page == OptionsPage::MenuItem) {
    m_itemEditor.FillItemEditor();
    m_menuItem.Sync();
  }
  m_page = page;
  m_popup.SetVisible(page == OptionsPage::Popup);
  m_menuItem.SetShown(page == OptionsPage::MenuItem);
  PaintTabs();
  UpdateHints();
  if (m_window) m_window->Invalidate();
}

// The hints of the frame and of the page in front: only what can be seen has one.
void TOptions::UpdateHints() {
  if (!m_window) return;
  std::vector<Hint> hints = m_frame.Hints();
  if (const Controls* page = PageControls()) {
    for (Hint& hint : page->Hints()) hints.push_back(std::move(hint));
  }
  m_window->SetHints(hints);
}

void TOptions::PaintTabs() {
  for (size_t i = 0; i < kTabs.size(); ++i) m_tabs[i]->SetPressed(kTabs[i].page == m_page);
}

void TOptions::Show() {
  FormShow();
  // A window already up repaints; one coming up paints once as it appears.
  if (m_window->IsVisible()) {
    m_window->Invalidate();
  } else {
    m_window->ShowActivate();
  }
}

void TOptions::Hide() {
  m_window->Hide();
  FormHide();
}

void TOptions::FormShow() {
  m_session.Flags().OptionsShown = true;
  UpdateSkin();
  UpdateTexts();
}

void TOptions::FormHide() { m_session.Flags().OptionsShown = false; }

void TOptions::ApplyOptions() {
  if (!m_itemEditor.CommitItemEditor()) return;
  ApplyDisplayColors(m_session.Options(), m_session.Table(), m_display.ChosenColors());
  if (m_menu != nullptr) {
    m_menu->ApplyDisplaySettings();
    m_menu->RefreshIfVisible();
  }
  Hide();
}

void TOptions::LanguageChosen() {
  m_session.LoadLanguage();
  UpdateSkin();
  UpdateTexts();
  m_window->Invalidate();
}

void TOptions::UpdateSkin() {
  m_skin.background = m_session.Options().Background;
  m_skin.text = m_session.Options().Text;
  m_skin.font = m_session.Texts().Font;
}

void TOptions::UpdateTexts() {
  const LanguageTexts& texts = m_session.Texts();
  for (size_t i = 0; i < kTabs.size(); ++i) {
    m_tabs[i]->SetCaption(kTabs[i].captionKey != nullptr ? texts.Text(kTabs[i].captionKey)
                                                         : std::string(kTabs[i].fixedCaption));
  }
  m_apply.SetCaption({kApplyCaption, texts.Text("Apply")});
  m_general.UpdateTexts(texts);
  m_display.UpdateTexts(texts);
  m_about.UpdateTexts(texts);
  m_popup.UpdateTexts(texts);
  m_menuItem.UpdateTexts(texts);
  UpdateHints();
}

Controls* TOptions::PageControls() {
  switch (m_page) {
    case OptionsPage::General: return &m_general.Mouse();
    case OptionsPage::Display: return &m_display.Mouse();
    case OptionsPage::About: return &m_about.Mouse();
    case OptionsPage::Popup: return &m_popup.Mouse();
    case OptionsPage::MenuItem: return &m_menuItem.Mouse();
  }
  return nullptr;
}

void TOptions::FormMouseDown(MouseButton button, Point point) {
  bool acted = m_frame.MouseDown(button, point);
  if (Controls* page = PageControls()) acted = page->MouseDown(button, point) || acted;
  if (acted) m_window->Invalidate();
}

void TOptions::FormMouseUp(MouseButton button, Point point) {
  // The page of the press: a tab's release may bring another page forward.
  Controls* page = PageControls();
  bool acted = page != nullptr && page->MouseUp(button, point);
  acted = m_frame.MouseUp(button, point) || acted;
  if (acted && m_window->IsVisible()) m_window->Invalidate();
}

void TOptions::FormMouseDoubleClick(MouseButton button, Point point) {
  bool acted = m_frame.MouseDoubleClick(button, point);
  if (Controls* page = PageControls()) acted = page->MouseDoubleClick(button, point) || acted;
  if (acted) m_window->Invalidate();
}

void TOptions::FormControlChanged(int controlId) {
  if (controlId == PopupPage::kMenuList) m_popup.ListBox1Click();
}

void TOptions::FormEditChanged(int controlId) {
  if (m_menuItem.EditChanged(controlId) && m_window) m_window->Invalidate();
}

void TOptions::FormEditKeyDown(int controlId, int key) { m_menuItem.EditKeyDown(controlId, key); }

void TOptions::FormEditKeyUp(int controlId, int key) {
  if (m_menuItem.EditKeyUp(controlId, key) && m_window) m_window->Invalidate();
}

void TOptions::FormScrolled(int controlId, int position) {
  if (m_menuItem.Scrolled(controlId, position) && m_window) m_window->Invalidate();
}

void TOptions::FormPaint(Canvas& canvas) {
  UpdateSkin();
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, m_skin.background);
  DrawRaisedFrame(canvas, client);
  m_frame.Paint(canvas);
  switch (m_page) {
    case OptionsPage::General: m_general.Paint(canvas); break;
    case OptionsPage::Display: m_display.Paint(canvas); break;
    case OptionsPage::About: m_about.Paint(canvas); break;
    case OptionsPage::Popup: m_popup.Paint(canvas); break;
    case OptionsPage::MenuItem: m_menuItem.Paint(canvas); break;
  }
}

void TOptions::FormClose() {
  m_activation.RemoveTrayIcon();
  // A failed save has been reported and the previous file kept; the close goes on.
  if (m_session.Options().Autosave) SaveSettings();
}

void TOptions::FormQueryEndSession() {
  // Nobody is there to answer a box, which would hold up the log-off.
  if (m_session.Options().Autosave) m_session.Save(Session::FailureReport::DebuggerOutput);
}

}  // namespace tarnwick
