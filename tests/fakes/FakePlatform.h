#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fakes/Cp1252CodePage.h"
#include "platform/Platform.h"

namespace tarnwick::fakes {

// Files in memory. Each step of an atomic write can be made to fail.
class FakeFileSystem final : public FileSystem {
 public:
  enum class Step { None, Create, Write, Flush, Close, Replace };

  std::map<std::string, std::string> files;
  // Last write times; a write or replace stamps a file with the next tick of a clock.
  std::map<std::string, int64_t> modified;
  Step failStep = Step::None;
  // A path whose reading fails although it exists (a file locked by another program).
  std::string unreadable;
  int failOnWriteNumber = 1;  // with Step::Write: which write call fails (1 = the first)
  std::string failReplaceOf;  // with Step::Replace: only this target is refused (empty: all)
  std::vector<std::string> removed;

  std::optional<std::string> ReadWhole(const std::string& path) override;
  bool FileExists(const std::string& path) override { return files.contains(path); }
  // Folders exist only when listed here.
  std::set<std::string> folders;
  bool FileOrFolderExists(const std::string& path) override { return files.contains(path) || folders.contains(path); }
  std::vector<FileInfo> FilesStartingWith(const std::string& pathPrefix) override;
  std::optional<Handle> CreateTempBeside(const std::string& targetPath, std::string& tempPath) override;
  bool Write(Handle file, std::string_view bytes) override;
  bool Flush(Handle file) override;
  bool Close(Handle file) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Remove(const std::string& path) override;
  std::string LastError() const override { return m_lastError; }

  size_t OpenHandles() const { return m_open.size(); }

 private:
  bool Fail(std::string reason);

  std::string m_lastError;
  int64_t m_clock = 0;
  std::map<Handle, std::string> m_open;  // handle -> path
  Handle m_nextHandle = 1;
  int m_tempCounter = 0;
  int m_writes = 0;
};

class FakeDialogs final : public Dialogs {
 public:
  std::vector<std::string> errors;
  void ShowError(const std::string& message) override { errors.push_back(message); }
  // Errors sent to the debugger output instead of a box.
  std::vector<std::string> logged;
  void LogError(const std::string& message) override { logged.push_back(message); }

  // Each question asked, as "caption: text"; answered from `answers` in turn, then OK.
  std::vector<std::string> questions;
  std::vector<bool> answers;
  bool Confirm(const std::string& caption, const std::string& text) override {
    questions.push_back(caption + ": " + text);
    if (whileAsking) whileAsking();
    const size_t asked = questions.size() - 1;
    return asked < answers.size() ? answers[asked] : true;
  }
  // What happens while a box or dialog is up (the timer keeps ticking meanwhile).
  std::function<void()> whileAsking;

  // The files the file dialog returns; empty = cancelled.
  std::vector<std::string> chosenFiles;
  int fileDialogs = 0;
  std::vector<std::string> ChooseFiles() override {
    ++fileDialogs;
    if (whileAsking) whileAsking();
    return chosenFiles;
  }
  std::optional<Color> chosenColor;
  std::vector<Color> colorPresets;
  std::optional<Color> PickColor(Color initial) override {
    colorPresets.push_back(initial);
    return chosenColor;
  }
  std::optional<FontSpec> chosenFont;
  std::vector<FontSpec> fontPresets;
  std::optional<FontSpec> PickFont(const FontSpec& initial) override {
    fontPresets.push_back(initial);
    return chosenFont;
  }
  // Each warning shown, as "caption: text".
  std::vector<std::string> warnings;
  void Warn(const std::string& caption, const std::string& text) override { warnings.push_back(caption + ": " + text); }
  // The file the single-file dialog returns; nullopt = cancelled.
  std::optional<std::string> chosenFile;
  std::vector<std::string> filePresets;
  std::optional<std::string> ChooseFile(const std::string& initial) override {
    filePresets.push_back(initial);
    return chosenFile;
  }
  std::optional<std::string> chosenSettingsFile;
  std::vector<std::string> settingsFilePresets;
  std::optional<std::string> ChooseSettingsFile(const std::string& initial) override {
    settingsFilePresets.push_back(initial);
    return chosenSettingsFile;
  }
  // The menu file dialogs' answers; nullopt = cancelled. Export records each proposed name.
  std::optional<std::string> chosenImportFile;
  int importDialogs = 0;
  std::optional<std::string> ChooseMenuFileToImport() override {
    ++importDialogs;
    if (whileAsking) whileAsking();
    return chosenImportFile;
  }
  std::optional<std::string> chosenExportFile;
  std::vector<std::string> exportProposals;
  std::optional<std::string> ChooseExportFile(const std::string& proposedName) override {
    exportProposals.push_back(proposedName);
    if (whileAsking) whileAsking();
    return chosenExportFile;
  }
};

// As the system's edit control, it tells its window of every change of its text, also of one
// made by the program.
class FakeEditBox final : public EditBox {
 public:
  std::string text;
  bool enabled = true;
  bool focused = false;
  bool visible = true;
  size_t caret = 0;  // in bytes from the start
  bool readOnly = false;
  bool takesKeys = false;
  Color textColor = 0x000000;
  int caretToEnd = 0;
  FontSpec font;
  Rect bounds;
  std::function<void()> changed;
  std::string Text() const override { return text; }
  void SetText(const std::string& utf8) override {
    text = utf8;
    caret = 0;
    if (changed) changed();
  }
  void SetEnabled(bool value) override { enabled = value; }
  void SetFont(const FontSpec& value) override { font = value; }
  void Focus() override { focused = true; }
  void SetVisible(bool value) override { visible = value; }
  void SetReadOnly(bool value) override { readOnly = value; }
  void SetTextColor(Color color) override { textColor = color; }
  void CaretToEnd() override {
    caret = text.size();
    ++caretToEnd;
  }
  void SetTakesKeys(bool value) override { takesKeys = value; }
  // The user typing: the text changes and the window hears of it.
  void Type(const std::string& utf8) { SetText(utf8); }
};

class FakeScrollBar final : public ScrollBar {
 public:
  int count = 0;
  int page = 1;
  int position = 0;
  bool visible = true;
  Rect bounds;
  void SetRange(int newCount, int newPage) override {
    count = newCount;
    page = newPage;
  }
  void SetPosition(int value) override { position = value; }
  int Position() const override { return position; }
  void SetVisible(bool value) override { visible = value; }
};

class FakeListBox final : public ListBox {
 public:
  std::vector<std::string> items;
  int selected = -1;
  bool visible = true;
  int rowHeight = 0;  // 0: the font's
  int topIndex = 0;   // the test scrolls the list by setting it
  FontSpec font;
  Rect bounds;
  void SetItems(const std::vector<std::string>& utf8Items) override {
    items = utf8Items;
    selected = -1;
    topIndex = 0;
  }
  int Selected() const override { return selected; }
  void Select(int index) override { selected = index; }
  void SetFont(const FontSpec& value) override { font = value; }
  void SetVisible(bool value) override { visible = value; }
  void SetRowHeight(int pixels) override { rowHeight = pixels; }
  int TopIndex() const override { return topIndex; }
};

class FakeWindow final : public Window {
 public:
  FakeWindow(WindowSpec spec, WindowEvents& events) : spec(std::move(spec)), events(events), bounds(this->spec.bounds) {}

  void SetBounds(const Rect& newBounds) override { bounds = newBounds; }
  Rect Bounds() const override { return bounds; }
  void ShowNoActivate() override { visible = true; }
  void ShowActivate() override {
    visible = true;
    activated = true;
  }
  void Hide() override { visible = false; }
  bool IsVisible() const override { return visible; }
  void Invalidate() override { ++invalidations; }
  void Close() override { closeRequested = true; }
  void AcceptFiles(bool accept) override { acceptsFiles = accept; }
  void StartTimer(int timerId, int milliseconds) override { timers[timerId] = milliseconds; }
  void StopTimer(int timerId) override { timers.erase(timerId); }
  void Repaint() override;
  void Draw(const std::function<void(Canvas&)>& draw) override;
  void RaiseToTop() override { ++raises; }
  Point ClientToScreen(Point client) const override { return {client.x + bounds.left, client.y + bounds.top}; }
  EditBox& AddEditBox(int controlId, const Rect& at) override {
    FakeEditBox& box = *(editBoxes[controlId] = std::make_unique<FakeEditBox>());
    box.bounds = at;
    box.changed = [this, controlId] { events.FormEditChanged(controlId); };
    editBoxOrder.push_back(controlId);
    return box;
  }
  ScrollBar& AddScrollBar(int controlId, const Rect& at) override {
    FakeScrollBar& bar = *(scrollBars[controlId] = std::make_unique<FakeScrollBar>());
    bar.bounds = at;
    return bar;
  }
  ListBox& AddListBox(int controlId, const Rect& at) override {
    FakeListBox& list = *(listBoxes[controlId] = std::make_unique<FakeListBox>());
    list.bounds = at;
    return list;
  }

  WindowSpec spec;
  WindowEvents& events;
  Rect bounds;
  bool visible = false;
  bool activated = false;
  bool closeRequested = false;
  bool acceptsFiles = false;
  bool destroyed = false;
  int invalidations = 0;
  int repaints = 0;
  int raises = 0;
  // What the last Repaint and the Draw calls since drew.
  std::vector<std::string> painted;
  std::vector<std::string> drawn;
  bool drawable = true;  // false: Draw skips its callback
  std::map<int, int> timers;
  std::vector<Hint> hints;
  void SetHints(const std::vector<Hint>& value) override { hints = value; }
  std::map<int, std::unique_ptr<FakeEditBox>> editBoxes;  // by control id
  std::map<int, std::unique_ptr<FakeListBox>> listBoxes;
  std::map<int, std::unique_ptr<FakeScrollBar>> scrollBars;
  std::vector<int> editBoxOrder;  // control ids in creation order, which is the tab order
};

class FakeWindowFactory final : public WindowFactory {
 public:
  std::vector<FakeWindow*> created;  // in creation order; they outlive the forms' handles
  std::string failForClass;          // Create throws for this class name

  std::unique_ptr<Window> Create(const WindowSpec& spec, WindowEvents& events) override;
  FakeWindow* Find(const std::string& className) const;

 private:
  std::vector<std::unique_ptr<FakeWindow>> m_windows;
};

class FakeScreen final : public Screen {
 public:
  Size size{1280, 800};
  Point cursor{640, 400};
  // The monitors as last read; an empty list reads as the primary screen alone. RefreshMonitors
  // reads `connected`, the layout as it is now.
  std::vector<Rect> monitors;
  std::vector<Rect> connected;
  bool buttonHeld = false;
  bool fullscreen = false;
  mutable int fullscreenQueries = 0;

  Size ScreenSize() const override { return size; }
  Point CursorPos() const override { return cursor; }
  std::span<const Rect> Monitors() const override {
    if (!monitors.empty()) return monitors;
    m_primary = {0, 0, size.width, size.height};
    return {&m_primary, 1};
  }
  void RefreshMonitors() override { monitors = connected; }
  bool MouseButtonHeld() const override { return buttonHeld; }
  bool ForegroundIsFullscreen() const override {
    ++fullscreenQueries;
    return fullscreen;
  }

 private:
  mutable Rect m_primary;
};

// Text is 6 pixels a byte in every font but "Small Fonts", where it is 4.
int FakeTextWidth(const FontSpec& font, std::string_view text);

// Records every drawing call as a line of text.
class RecordingCanvas final : public Canvas {
 public:
  std::vector<std::string> calls;

  void FillRect(const Rect& rect, Color color) override;
  void Line(Point from, Point to, Color color, int width) override;
  void SetFont(const FontSpec& font) override;
  int TextWidth(std::string_view utf8) override { return FakeTextWidth(m_font, utf8); }
  void TextInRect(const Rect& rect, Point origin, std::string_view utf8, Color text, Color fill) override;
  void OpaqueText(Point origin, std::string_view utf8, Color text, Color background) override;
  void DrawImage(int index, Point origin) override;
  void DrawPickerIcon(int cell, Point origin) override;
  void DrawApplicationIcon(Point origin) override;

 private:
  FontSpec m_font;
};

class FakeTextMeasure final : public TextMeasure {
 public:
  int TextWidth(const FontSpec& font, std::string_view utf8) override { return FakeTextWidth(font, utf8); }
  // Text is twice its point size high, unless heightOf says otherwise.
  std::function<int(const FontSpec&)> heightOf;
  int TextHeight(const FontSpec& font, std::string_view) override {
    return heightOf ? heightOf(font) : font.Size * 2;
  }
};

class FakeShell final : public Shell {
 public:
  struct Opened {
    std::string file, parameters, folder;
    int showCommand;
  };
  struct Sent {
    WindowId window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };
  std::vector<Opened> opened;
  std::vector<Sent> sent;
  WindowId foreground = 0x500;
  std::map<std::pair<std::string, std::string>, WindowId> topWindows;  // (class, title) -> window
  std::set<WindowId> ownWindows;

  void Open(const std::string& file, const std::string& parameters, const std::string& folder,
            int showCommand) override {
    opened.push_back({file, parameters, folder, showCommand});
  }
  WindowId ForegroundWindow() override { return foreground; }
  WindowId FindTopWindow(const std::string& className, const std::string& title) override {
    const auto it = topWindows.find({className, title});
    return it == topWindows.end() ? 0 : it->second;
  }
  bool IsOwnWindow(WindowId window) override { return ownWindows.contains(window); }
  void SendWindowMessage(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    sent.push_back({window, message, wParam, lParam});
  }
};

class FakeTray final : public Tray {
 public:
  bool shown = false;
  bool refuse = false;
  int adds = 0;
  int removes = 0;
  bool Add(Window&) override {
    ++adds;
    if (refuse) return false;
    shown = true;
    return true;
  }
  void Remove(Window&) override {
    ++removes;
    shown = false;
  }
};

class FakeHotkeys final : public Hotkeys {
 public:
  struct Registration {
    int id;
    int modifiers;
    int key;
  };
  std::vector<Registration> registered;  // live registrations
  std::vector<int> unregistered;         // ids, in call order

  bool Register(Window& target, int id, int modifiers, int key) override;
  void Unregister(Window& target, int id) override;
};

class FakeIcons final : public Icons {
 public:
  std::vector<std::string> calls;  // "assoc:<file>" or "file:<file>,<index>"
  int nextIndex = 30;
  bool fail = false;

  int AddAssociatedIcon(const std::string& file) override;
  int AddFileIcon(const std::string& file, int iconIndex) override;
  int ImageCount() const override { return nextIndex; }

  // Icons in each file; others have none.
  std::map<std::string, int> iconCounts;
  // What the picker strip holds: "file:<file>,<count>", "assoc:<file>" or "" when empty.
  std::string picker;
  int CountFileIcons(const std::string& file) override {
    const auto it = iconCounts.find(file);
    return it == iconCounts.end() ? 0 : it->second;
  }
  void LoadPickerIcons(const std::string& file, int count) override {
    picker = "file:" + file + "," + std::to_string(count);
    shownPickerIcons.clear();
  }
  void LoadPickerAssociatedIcon(const std::string& file) override { picker = "assoc:" + file; }
  void ClearPickerIcons() override { picker.clear(); }
  // The cells whose icons were asked for since the last load, as "first+count".
  std::vector<std::string> shownPickerIcons;
  void ShowPickerIcons(int first, int count) override {
    shownPickerIcons.push_back(std::to_string(first) + "+" + std::to_string(count));
  }
};

class FakeHost final : public ApplicationHost {
 public:
  bool anotherInstance = false;
  std::string folder = "C:\\Tools\\Tarnwick\\";
  std::function<void()> whileRunning;  // what happens inside the message loop
  int loopRuns = 0;

  bool AnotherInstanceRunning() override { return anotherInstance; }
  std::string ExecutablePath() override { return folder + "Tarnwick.exe"; }
  std::string ExecutableFolder() override { return folder; }
  void RunMessageLoop() override {
    ++loopRuns;
    if (whileRunning) whileRunning();
  }
};

class FakeShortcuts final : public Shortcuts {
 public:
  std::map<std::string, ShortcutInfo> links;  // path -> contents; others cannot be read
  std::vector<std::string> reads;
  std::optional<ShortcutInfo> Read(const std::string& path) override {
    reads.push_back(path);
    const auto it = links.find(path);
    if (it == links.end()) return std::nullopt;
    return it->second;
  }
};

// The log-on list as a map; writes can be refused.
class FakeRunList final : public RunList {
 public:
  std::map<std::string, std::string> entries;
  bool refuse = false;
  int removes = 0;
  bool Set(const std::string& name, const std::string& command) override {
    if (refuse) return false;
    entries[name] = command;
    return true;
  }
  void Remove(const std::string& name) override {
    ++removes;
    entries.erase(name);
  }
};

// Every fake together, wired into a Platform.
struct FakePlatform {
  FakeHost host;
  FakeFileSystem files;
  Cp1252CodePage codePage;
  FakeDialogs dialogs;
  FakeWindowFactory windows;
  FakeScreen screen;
  FakeHotkeys hotkeys;
  FakeIcons icons;
  FakeTextMeasure measure;
  FakeShell shell;
  FakeTray tray;
  FakeShortcuts shortcuts;
  FakeRunList runList;
  Platform platform{host,  files, codePage, dialogs, windows,   screen,
                    hotkeys, icons, measure, shell, tray, shortcuts, runList};

  std::string ConfigPath() const { return host.folder + "Tarnwick.ini"; }
};

}  // namespace tarnwick::fakes
