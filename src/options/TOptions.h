#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "activation/Activation.h"
#include "app/Session.h"
#include "options/AboutPage.h"
#include "options/DisplayPage.h"
#include "options/GeneralPage.h"
#include "options/PopupPage.h"
#include "options/ItemEditor.h"
#include "options/MenuItemPage.h"
#include "platform/Platform.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// A tab of the options window: a 90 x 20 (or narrower) picture with its caption centred on it.
// A single click runs its action.
class OptionsTab final : public ClickControl {
 public:
  OptionsTab(const Skin& skin, const Rect& bounds, std::function<void()> action);
  void SetCaption(std::string caption) { m_caption = std::move(caption); }
  void SetPressed(bool pressed) { m_pressed = pressed; }
  Rect Bounds() const override { return m_bounds; }

  void Paint(Canvas& canvas) const override;

 private:
  const Skin& m_skin;
  Rect m_bounds;
  std::string m_caption;
  bool m_pressed = false;  // the tab of the page in front
};

// The options window: the main window of the program; closing it ends the application. It
// hosts the tray icon and the trigger timer, whose events it hands to activation. What the
// user sees is a borderless window in the menu colours with five tabs over five pages; each
// page is a class of its own, and this window owns the frame, the tabs and page switching.
class TOptions final : public WindowEvents, public ItemEditorControl {
 public:
  static constexpr int kWidth = 418;
  static constexpr int kHeight = 330;
  // Where every page panel lies, in client pixels.
  static constexpr Rect kPageBounds{8, 40, 408, 289};

  TOptions(Platform& platform, Session& session, Activation& activation);

  // Creates the window, hidden, on the About page.
  void FormCreate();
  // The settings are loaded: the colour swatches take their colours, the captions their texts.
  void SettingsLoaded();
  // The window that Apply hands the colours and the font to, and that the item editor adds
  // items from files through.
  void AttachMenuWindow(MenuWindowControl& menu);
  void ShowAtStartIfNeeded();
  // Brings a page to the front and shows the window.
  void ShowPage(OptionsPage page);

  // Writes the whole configuration file; see Session::Save.
  bool SaveSettings() { return m_session.Save(); }

  // The page switches: the tabs' actions and the context menu's way in.
  void IGeneralClick() { SelectPage(OptionsPage::General); }
  void IDisplayClick() { SelectPage(OptionsPage::Display); }
  void IPopupClick() { SelectPage(OptionsPage::Popup); }
  void IMenuItemClick() { SelectPage(OptionsPage::MenuItem); }
  void IAboutClick() { SelectPage(OptionsPage::About); }

  // Apply: stores a pending item edit (stopping if the editor refuses it), recolours the
  // items that wore the old text colour, takes the chosen colours into the settings, gives
  // the colours and the font to the menu window, refreshes it and hides this window.
  void ApplyOptions();

  void FormShow();
  void FormHide();
  void FormPaint(Canvas& canvas) override;
  void FormClose() override;
  void FormQueryEndSession() override;
  void FormTimer(int timerId) override { m_activation.Timer(timerId); }
  void FormTrayClick(MouseButton button) override { m_activation.TrayClick(button); }
  void FormTaskbarCreated() override { m_activation.TaskbarCreated(); }
  void FormMouseDown(MouseButton button, Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;
  void FormMouseDoubleClick(MouseButton button, Point point) override;
  void FormControlChanged(int controlId) override;
  void FormEditChanged(int controlId) override;
  void FormEditKeyDown(int controlId, int key) override;
  void FormEditKeyUp(int controlId, int key) override;
  void FormScrolled(int controlId, int position) override;

  Window& FormWindow() { return *m_window; }
  OptionsPage Page() const { return m_page; }
  GeneralPage& General() { return m_general; }
  DisplayPage& Display() { return m_display; }
  AboutPage& About() { return m_about; }
  PopupPage& Popup() { return m_popup; }
  ItemEditor& Editor() { return m_itemEditor; }
  MenuItemPage& MenuItem() { return m_menuItem; }

  // The item editor's cell; moving it loads the cell and drops a pending edit.
  EditorCell EditedCell() const override { return m_itemEditor.EditedCell(); }
  void EditCell(EditorCell cell) override;
  // The window's own font: the default of the menu font.
  const FontSpec& WindowFont() const { return m_windowFont; }

 private:
  void SelectPage(OptionsPage page);
  void UpdateHints();
  void PaintTabs();
  void Show();
  void Hide();
  // Captions and the skin from the language texts and the settings as they are now.
  void UpdateTexts();
  void UpdateSkin();
  void LanguageChosen();
  // The controls of the page in front, or null for a page without any.
  Controls* PageControls();

  Platform& m_platform;
  Session& m_session;
  Activation& m_activation;
  MenuWindowControl* m_menu = nullptr;
  std::unique_ptr<Window> m_window;
  FontSpec m_windowFont;
  OptionsPage m_page = OptionsPage::About;
  Skin m_skin;
  GeneralPage m_general;
  DisplayPage m_display;
  AboutPage m_about;
  PopupPage m_popup;
  ItemEditor m_itemEditor;
  MenuItemPage m_menuItem;
  std::array<std::unique_ptr<OptionsTab>, 5> m_tabs;
  ImageButton m_apply;
  Controls m_frame;
};

}  // namespace tarnwick
