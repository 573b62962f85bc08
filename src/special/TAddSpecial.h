#pragma once

#include <memory>

#include "app/Session.h"
#include "platform/Platform.h"
#include "special/SpecialItems.h"
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
  Color ChosenColor() const { return m_color; }
  const SpecialLayout& Layout() const { return m_layout; }

  void FormPaint(Canvas& canvas) override;
  void FormControlChanged(int controlId) override;
  // Enter applies, Esc cancels.
  void FormDialogKey(bool accept) override;
  void FormMouseDown(MouseButton button, Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;

 private:
  void FormShow();
  void ListBox1Click();
  void SItemColorMouseDown();
  void IApplyClick();
  void ICancelClick();
  // Where the Apply and Cancel captions can be clicked: as wide as their text.
  Rect LabelBounds(Point origin, const std::string& caption) const;

  Platform& m_platform;
  Session& m_session;
  MenuWindowControl& m_menu;
  std::unique_ptr<Window> m_window;
  ListBox* m_kinds = nullptr;
  EditBox* m_parameter1 = nullptr;
  EditBox* m_parameter2 = nullptr;
  SpecialLayout m_layout;
  Color m_color = 0xFFFFFF;
  Cell m_target;
  int m_targetMenuId = 0;
};

}  // namespace tarnwick
