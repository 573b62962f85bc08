#pragma once

#include <memory>

#include "app/Session.h"
#include "platform/Platform.h"
#include "special/SpecialItems.h"
#include "ui/ColorSwatch.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The add-special dialog: a small borderless window, centred on the screen, that adds
// placeholders, rows, columns, window-message items and separators to the cell it was opened
// for. It does not block the rest of the program; closing it only hides it, and its texts and
// chosen colour stay for the next opening.
class TAddSpecial final : public WindowEvents, public AddSpecialControl {
 public:
  static constexpr int kWidth = 371;
  static constexpr int kHeight = 131;
  // Control ids of its child controls.
  static constexpr int kKindList = 101;
  static constexpr int kParameter1 = 102;
  static constexpr int kParameter2 = 103;

  TAddSpecial(Platform& platform, Session& session, MenuWindowControl& menu);
  void FormCreate();
  Window& FormWindow() { return *m_window; }

  void Open(Cell target, int menuId) override;
  Color ChosenColor() const { return m_swatch.Value(); }
  const SpecialLayout& Layout() const { return m_layout; }

  void FormPaint(Canvas& canvas) override;
  void FormControlChanged(int controlId) override;
  // Enter applies, Esc cancels.
  void FormDialogKey(bool accept) override;
  void FormMouseDown(MouseButton button, Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;
  void FormMouseDoubleClick(MouseButton button, Point point) override;

 private:
  void FormShow();
  void ListBox1Click();
  void IApplyClick();
  void ICancelClick();
  // The colours and font of the settings and the language file, as they are now.
  void UpdateSkin();

  Platform& m_platform;
  Session& m_session;
  MenuWindowControl& m_menu;
  std::unique_ptr<Window> m_window;
  ListBox* m_kinds = nullptr;
  EditBox* m_parameter1 = nullptr;
  EditBox* m_parameter2 = nullptr;
  SpecialLayout m_layout;
  Skin m_skin;
  Label m_parameter1Label;
  Label m_parameter2Label;
  Label m_colorLabel;
  ImageButton m_cancel;
  ImageButton m_apply;
  // Its colour starts white and stays from one opening to the next.
  ColorSwatch m_swatch;
  Controls m_controls;
  Cell m_target;
  int m_targetMenuId = 0;
};

}  // namespace tarnwick
