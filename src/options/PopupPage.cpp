#include "options/PopupPage.h"

#include <algorithm>
#include <vector>

#include "model/MenuEdits.h"
#include "storage/MenuExchange.h"
#include "ui/ColorSwatch.h"

namespace tarnwick {

namespace {

constexpr int kRowCentre = 7;
constexpr int kLinkBend = 24;
constexpr int kLinkEnd = 48;
constexpr int kLinkArrowLeft = 16;
constexpr int kLinkPen = 2;

// The trigger captions of the language texts, in trigger order.
constexpr std::array<const char*, kTriggerCount> kTriggerCaptionKeys = {
    "Popup3", "Popup4", "Popup5", "Popup6", "Popup7", "Popup8", "Popup9", "Popup10", "Popup11", "Popup12"};

}  // namespace

std::optional<TriggerLink> TriggerLinkOf(int triggerRow, int menuRow, int topIndex, int rowHeight, int listHeight) {
  if (triggerRow < 0 || menuRow < 0) return std::nullopt;
  TriggerLink link;
  link.a = triggerRow * rowHeight + kRowCentre;
  link.b = std::clamp((menuRow - topIndex) * rowHeight + kRowCentre, 0, listHeight - 1);
  link.arrowTop = (link.a + link.b) / 2 - kGlyphSize / 2;
  return link;
}

PopupPage::PopupPage(const Skin& skin, Session& session, Dialogs& dialogs, ItemEditorControl& editor, Point origin)
    : m_skin(skin),
      m_session(session),
      m_dialogs(dialogs),
      m_editor(editor),
      m_origin(origin),
      m_triggers(skin, Place(kTriggerList),
                 {[this](int row) { return m_session.Options().TriggerEnabled[static_cast<size_t>(row)]; },
                  [this](int) { CheckListBox1Click(); }, [this](int row) { CheckListBox1ClickCheck(row); }}),
      m_add(skin, Place(Point{368, 49}), kAddGlyph, DoubleClick::Ignored, [this] { IAddMenuClick(); }),
      m_remove(skin, Place(Point{368, 73}), kRemoveGlyph, DoubleClick::Ignored, [this] { IRemoveMenuClick(); }),
      m_import(skin, Place(Point{368, 105}), kImportGlyph, DoubleClick::Ignored, [this] { IImportMenuClick(); }),
      m_export(skin, Place(Point{368, 129}), kExportGlyph, DoubleClick::Ignored, [this] { IExportMenuClick(); }),
      m_rename(skin, Place(Point{368, 217}), kRenameGlyph, DoubleClick::Ignored, [this] { IRenameMenuClick(); }),
      m_triggerLabel{Place(Point{16, 16}), ""},
      m_menuLabel{Place(Point{216, 16}), ""} {
  for (Control* control : std::initializer_list<Control*>{&m_triggers, &m_add, &m_remove, &m_import, &m_export,
                                                          &m_rename}) {
    m_controls.Add(*control);
  }
  m_triggers.Select(0);
  UpdateTexts(LanguageTexts{});
}

Rect PopupPage::Place(const Rect& r) const {
  return {m_origin.x + r.left, m_origin.y + r.top, m_origin.x + r.right, m_origin.y + r.bottom};
}

void PopupPage::Attach(Window& window) {
  m_window = &window;
  m_menuList = &window.AddListBox(kMenuList, Place(kMenuListBox));
  m_menuName = &window.AddEditBox(kMenuName, Place(kMenuNameBox));
  m_menuList->SetRowHeight(kRowHeight);
  SetVisible(false);
}

void PopupPage::Load() {
  m_triggers.Select(0);
  FillMenuList(-1);
  CheckListBox1Click();
}

void PopupPage::SetVisible(bool visible) {
  if (m_menuList != nullptr) m_menuList->SetVisible(visible);
  if (m_menuName != nullptr) m_menuName->SetVisible(visible);
}

void PopupPage::UpdateTexts(const LanguageTexts& texts) {
  std::vector<std::string> captions;
  for (const char* key : kTriggerCaptionKeys) captions.push_back(texts.Text(key));
  m_triggers.SetCaptions(std::move(captions));
  m_triggerLabel.text = texts.Text("Popup1");
  m_menuLabel.text = texts.Text("Popup2");
  m_add.SetHint(texts.Text("Popup13"));
  m_remove.SetHint(texts.Text("Popup14"));
  m_import.SetHint(texts.Text("Popup15"));
  m_export.SetHint(texts.Text("Popup16"));
  m_rename.SetHint(texts.Text("Popup17"));
  if (m_menuList != nullptr) m_menuList->SetFont(texts.Font);
  if (m_menuName != nullptr) m_menuName->SetFont(texts.Font);
}

void PopupPage::FillMenuList(int selected) {
  if (m_menuList == nullptr) return;
  m_menuList->SetItems(m_session.Menus().MenuNames);
  m_menuList->Select(selected);
}

void PopupPage::ShowMenuName(int position) {
  if (m_menuName == nullptr) return;
  const MenuList& menus = m_session.Menus();
  m_menuName->SetText(position >= 0 && static_cast<size_t>(position) < menus.Count()
                          ? menus.MenuNames[static_cast<size_t>(position)]
                          : std::string());
  m_menuName->CaretToEnd();
}

int PopupPage::SelectedMenu() const {
  if (m_menuList == nullptr) return -1;
  const int selected = m_menuList->Selected();
  return selected >= 0 && static_cast<size_t>(selected) < m_session.Menus().Count() ? selected : -1;
}

void PopupPage::Redraw() {
  if (m_window != nullptr) m_window->Invalidate();
}

void PopupPage::CheckListBox1Click() {
  const int trigger = m_triggers.Selected();
  if (trigger < 0 || m_menuList == nullptr) return;
  // A hand-edited file may name a menu that is not there: then no row is the trigger's.
  const std::optional<size_t> position =
      FindMenu(m_session.Menus(), m_session.Options().TriggerMenuIds[static_cast<size_t>(trigger)]);
  const int row = position ? static_cast<int>(*position) : -1;
  m_menuList->Select(row);
  ShowMenuName(row);
  Redraw();
}

void PopupPage::CheckListBox1ClickCheck(int row) {
  if (row < 0 || row >= kTriggerCount) return;
  auto& enabled = m_session.Options().TriggerEnabled;
  enabled[static_cast<size_t>(row)] = !enabled[static_cast<size_t>(row)];
  KeepOneTriggerPerGroup(enabled, row);
  Redraw();
}

void PopupPage::ListBox1Click() {
  const int position = SelectedMenu();
  if (position < 0) return;
  const int trigger = m_triggers.Selected();
  if (trigger >= 0 && trigger < kTriggerCount) {
    m_session.Options().TriggerMenuIds[static_cast<size_t>(trigger)] =
        m_session.Menus().MenuIds[static_cast<size_t>(position)];
  }
  ShowMenuName(position);
  Redraw();
}

void PopupPage::IAddMenuClick() {
  const std::optional<size_t> position = AddMenu(m_session.Menus(), m_session.Table());
  if (!position) return;
  // The new row is selected for renaming; the selected trigger keeps its menu.
  FillMenuList(static_cast<int>(*position));
  ShowMenuName(static_cast<int>(*position));
  Redraw();
}

void PopupPage::IRemoveMenuClick() {
  const int position = SelectedMenu();
  if (position < 0) return;
  const std::optional<MenuRemoval> removal =
      RemoveMenu(m_session.Menus(), m_session.Table(), m_session.Options(), static_cast<size_t>(position));
  if (!removal) return;
  if (removal->wasCurrent && m_menu != nullptr) m_menu->HideMenu();
  if (m_editor.EditedCell().menuId == removal->removedId && !m_session.Menus().HasMenu(removal->removedId)) {
    m_editor.EditCell({0, 0, removal->firstId});
  }
  FillMenuList(-1);
  ShowMenuName(-1);
  CheckListBox1Click();
}

void PopupPage::IRenameMenuClick() {
  const int position = SelectedMenu();
  if (position < 0 || m_menuName == nullptr) return;
  if (!RenameMenu(m_session.Menus(), static_cast<size_t>(position), m_menuName->Text())) {
    // What was typed may have been cleaned to the name as it is: show it as stored.
    ShowMenuName(position);
    return;
  }
  FillMenuList(position);
  ShowMenuName(position);
  Redraw();
}

void PopupPage::IExportMenuClick() {
  const int position = SelectedMenu();
  if (position < 0 || m_menuName == nullptr) return;
  // The name box proposes the file name: normally the menu's name, or what was typed there.
  const std::optional<std::string> path = m_dialogs.ChooseExportFile(m_menuName->Text());
  if (!path) return;
  // A failure has been reported by the session.
  m_session.ExportMenu(m_session.Menus().MenuIds[static_cast<size_t>(position)], *path);
}

void PopupPage::IImportMenuClick() {
  const std::optional<std::string> path = m_dialogs.ChooseMenuFileToImport();
  if (!path) return;
  // Read first, so that a file that cannot be read leaves no empty menu behind.
  const std::optional<ImportedMenu> imported = m_session.ReadMenuFile(*path);
  if (!imported) return;
  MenuList& menus = m_session.Menus();
  const std::optional<size_t> position = AddMenu(menus, m_session.Table());
  // Without a free id there is no menu to fill: the one selected must not take the file.
  if (!position) return;
  // A name that cleans to nothing leaves "New Menu".
  RenameMenu(menus, *position, MenuNameFromFile(*path, m_session.Options().HideDupNo));
  m_session.FillImportedMenu(menus.MenuIds[*position], *imported);
  FillMenuList(static_cast<int>(*position));
  ShowMenuName(static_cast<int>(*position));
  Redraw();
  if (m_menu != nullptr) m_menu->RefreshIfVisible();
}

std::optional<TriggerLink> PopupPage::Link() const {
  const int menuRow = SelectedMenu();
  const int top = m_menuList != nullptr ? m_menuList->TopIndex() : 0;
  return TriggerLinkOf(m_triggers.Selected(), menuRow, top, kRowHeight, kLink.Height());
}

void PopupPage::DrawTriggerLink(Canvas& canvas) const {
  const Rect link = Place(kLink);
  canvas.FillRect(link, m_skin.background);
  const std::optional<TriggerLink> ends = Link();
  if (!ends) return;
  const Point start{link.left, link.top + ends->a};
  const Point bendA{link.left + kLinkBend, link.top + ends->a};
  const Point bendB{link.left + kLinkBend, link.top + ends->b};
  const Point end{link.left + kLinkEnd, link.top + ends->b};
  canvas.Line(start, bendA, m_skin.text, kLinkPen);
  canvas.Line(bendA, bendB, m_skin.text, kLinkPen);
  canvas.Line(bendB, end, m_skin.text, kLinkPen);
  canvas.DrawImage(kLinkGlyph, {link.left + kLinkArrowLeft, link.top + ends->arrowTop});
}

void PopupPage::Paint(Canvas& canvas) const {
  m_triggerLabel.Paint(canvas, m_skin);
  m_menuLabel.Paint(canvas, m_skin);
  DrawFieldFrame(canvas, Place(kMenuListBox));
  DrawFieldFrame(canvas, Place(kMenuNameBox));
  DrawTriggerLink(canvas);
  m_controls.Paint(canvas);
}

}  // namespace tarnwick
