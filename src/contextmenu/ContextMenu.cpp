#include "contextmenu/ContextMenu.h"

#include <algorithm>

#include "ui/RaisedFrame.h"

namespace tarnwick {

namespace {

constexpr int kMinCaptionWidth = 70;
// Picture, gap and caption start on the left, and a margin on the right.
constexpr int kExtraWidth = 52;
constexpr int kCaptionX = 30;
constexpr int kPictureX = 3;

}  // namespace

Rect PlaceContextMenu(Point at, Size screen, int widestCaption, size_t entryCount) {
  const int width = std::max(widestCaption, kMinCaptionWidth) + kExtraWidth;
  const int height = kContextEntryHeight * static_cast<int>(entryCount) + 2;
  const int top = screen.height - height < at.y ? at.y - height + 1 : at.y - 1;
  const int left = screen.width - width < at.x ? at.x - width + 1 : at.x - 1;
  return {left, top, left + width, top + height};
}

Rect ContextEntryRect(size_t index, Size window) {
  const int top = kContextEntryHeight * static_cast<int>(index) + 2;
  return {2, top, window.width - 3, top + kContextEntryHeight - 3};
}

int ContextEntryAt(Point client, Size window) {
  if (client.x <= 1 || client.x >= window.width - 2 || client.y <= 1 || client.y >= window.height - 2) return -1;
  return (client.y - 1) / kContextEntryHeight;
}

void PaintContextEntry(Canvas& canvas, Size window, const ContextEntry& entry, size_t index, bool hot,
                       const ContextColors& colors) {
  const int top = kContextEntryHeight * static_cast<int>(index);
  if (entry.caption == kBarCaption) {
    canvas.Line({window.width - 5, top + 9}, {3, top + 9}, EdgeDark, 1);
    canvas.Line({window.width - 5, top + 11}, {3, top + 11}, EdgeLight, 1);
  } else {
    canvas.TextInRect(ContextEntryRect(index, window), {kCaptionX, top + 4}, entry.caption,
                      hot ? colors.highlightText : colors.text, hot ? colors.highlight : colors.background);
  }
  if (entry.image != -1) canvas.DrawImage(entry.image, {kPictureX, top + 3});
}

void PaintContextMenu(Canvas& canvas, Size window, const std::vector<ContextEntry>& entries, int hotEntry,
                      const ContextColors& colors, const FontSpec& font) {
  const Rect client{0, 0, window.width, window.height};
  canvas.FillRect(client, colors.background);
  DrawRaisedFrame(canvas, client);
  canvas.SetFont(font);
  for (size_t i = 0; i < entries.size(); ++i) {
    PaintContextEntry(canvas, window, entries[i], i, static_cast<int>(i) == hotEntry, colors);
  }
}

std::optional<ContextHover::Change> ContextHover::Move(Point client, Size window,
                                                       const std::vector<ContextEntry>& entries) {
  int index = ContextEntryAt(client, window);
  if (index >= static_cast<int>(entries.size()) || (index >= 0 && entries[index].IsBar())) index = -1;
  if (index == m_hot) return std::nullopt;
  const Change change{m_hot, index};
  m_hot = index;
  return change;
}

}  // namespace tarnwick
