#include "fakes/FakePlatform.h"

#include <algorithm>
#include <cstdio>

namespace tarnwick::fakes {

bool FakeFileSystem::Fail(std::string reason) {
  m_lastError = std::move(reason);
  return false;
}

std::optional<std::string> FakeFileSystem::ReadWhole(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end()) {
    Fail("The system cannot find the file specified.");
    return std::nullopt;
  }
  if (path == unreadable) {
    Fail("The process cannot access the file because it is being used by another process.");
    return std::nullopt;
  }
  return it->second;
}

std::vector<FileSystem::FileInfo> FakeFileSystem::FilesStartingWith(const std::string& pathPrefix) {
  std::vector<FileInfo> found;
  for (const auto& [path, contents] : files) {
    if (path.starts_with(pathPrefix)) found.push_back({path, modified[path]});
  }
  return found;
}

std::optional<FileSystem::Handle> FakeFileSystem::CreateTempBeside(const std::string& targetPath,
                                                                    std::string& tempPath) {
  if (failStep == Step::Create) {
    Fail("Access is denied.");
    return std::nullopt;
  }
  // Named as the real ones are: process id, then a counter.
  tempPath = targetPath + ".4242." + std::to_string(++m_tempCounter) + ".tmp";
  files[tempPath].clear();
  modified[tempPath] = ++m_clock;
  const Handle handle = m_nextHandle++;
  m_open[handle] = tempPath;
  return handle;
}

bool FakeFileSystem::Write(Handle file, std::string_view bytes) {
  if (!m_open.contains(file)) return Fail("The handle is invalid.");
  ++m_writes;
  if (failStep == Step::Write && m_writes == failOnWriteNumber) {
    // A full disk: part of the chunk made it.
    files[m_open[file]] += bytes.substr(0, bytes.size() / 2);
    return Fail("There is not enough space on the disk.");
  }
  files[m_open[file]] += bytes;
  modified[m_open[file]] = ++m_clock;
  return true;
}

bool FakeFileSystem::Flush(Handle file) {
  if (!m_open.contains(file)) return Fail("The handle is invalid.");
  return failStep != Step::Flush || Fail("The request could not be performed because of an I/O device error.");
}

bool FakeFileSystem::Close(Handle file) {
  if (m_open.erase(file) == 0) return Fail("The handle is invalid.");
  return failStep != Step::Close || Fail("The request could not be performed because of an I/O device error.");
}

bool FakeFileSystem::Replace(const std::string& source, const std::string& target) {
  if (failStep == Step::Replace && (failReplaceOf.empty() || failReplaceOf == target)) {
    return Fail("The file is read-only.");
  }
  if (!files.contains(source)) return Fail("The system cannot find the file specified.");
  files[target] = files[source];
  modified[target] = modified[source];
  files.erase(source);
  modified.erase(source);
  return true;
}

bool FakeFileSystem::Remove(const std::string& path) {
  removed.push_back(path);
  modified.erase(path);
  return files.erase(path) > 0 || Fail("The system cannot find the file specified.");
}

namespace {

// What a form holds: destroying it marks the recorded window destroyed, which stays for
// the test to inspect after the application has ended.
class WindowHandle final : public Window {
 public:
  explicit WindowHandle(FakeWindow& window) : m_window(window) {}
  ~WindowHandle() override { m_window.destroyed = true; }

  void SetBounds(const Rect& bounds) override { m_window.SetBounds(bounds); }
  Rect Bounds() const override { return m_window.Bounds(); }
  void ShowNoActivate() override { m_window.ShowNoActivate(); }
  void ShowActivate() override { m_window.ShowActivate(); }
  void Hide() override { m_window.Hide(); }
  bool IsVisible() const override { return m_window.IsVisible(); }
  void Invalidate() override { m_window.Invalidate(); }
  void Close() override { m_window.Close(); }
  void AcceptFiles(bool accept) override { m_window.AcceptFiles(accept); }
  void StartTimer(int timerId, int milliseconds) override { m_window.StartTimer(timerId, milliseconds); }
  void StopTimer(int timerId) override { m_window.StopTimer(timerId); }
  void Repaint() override { m_window.Repaint(); }
  void Draw(const std::function<void(Canvas&)>& draw) override { m_window.Draw(draw); }
  void RaiseToTop() override { m_window.RaiseToTop(); }
  Point ClientToScreen(Point client) const override { return m_window.ClientToScreen(client); }
  EditBox& AddEditBox(int controlId, const Rect& bounds) override { return m_window.AddEditBox(controlId, bounds); }
  ListBox& AddListBox(int controlId, const Rect& bounds) override { return m_window.AddListBox(controlId, bounds); }
  ScrollBar& AddScrollBar(int controlId, const Rect& bounds) override { return m_window.AddScrollBar(controlId, bounds); }
  void SetHints(const std::vector<Hint>& hints) override { m_window.SetHints(hints); }

 private:
  FakeWindow& m_window;
};

}  // namespace

void FakeWindow::Repaint() {
  ++repaints;
  RecordingCanvas canvas;
  events.FormPaint(canvas);
  painted = std::move(canvas.calls);
  drawn.clear();
}

void FakeWindow::Draw(const std::function<void(Canvas&)>& draw) {
  if (!drawable) return;  // as Win32 skips the drawing when it gets no device context
  RecordingCanvas canvas;
  draw(canvas);
  drawn.insert(drawn.end(), canvas.calls.begin(), canvas.calls.end());
}

int FakeTextWidth(const FontSpec& font, std::string_view text) {
  return static_cast<int>(text.size()) * (font.Face == "Small Fonts" ? 4 : 6);
}

namespace {

std::string Hex(Color color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color));
  return buffer;
}

std::string Text(Rect r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string Text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

}  // namespace

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
  calls.push_back("fill " + Text(rect) + " " + Hex(color));
}

void RecordingCanvas::Line(Point from, Point to, Color color, int width) {
  calls.push_back("line " + Text(from) + " " + Text(to) + " " + Hex(color) + " w" + std::to_string(width));
}

void RecordingCanvas::SetFont(const FontSpec& font) {
  m_font = font;
  calls.push_back("font " + font.Face + " " + std::to_string(font.Size) + (font.Bold ? " bold" : "") +
                  (font.Italic ? " italic" : ""));
}

void RecordingCanvas::TextInRect(const Rect& rect, Point origin, std::string_view utf8, Color text, Color fill) {
  calls.push_back("text " + Text(rect) + " @" + Text(origin) + " '" + std::string(utf8) + "' " + Hex(text) +
                  " on " + Hex(fill));
}

void RecordingCanvas::OpaqueText(Point origin, std::string_view utf8, Color text, Color background) {
  calls.push_back("opaque @" + Text(origin) + " '" + std::string(utf8) + "' " + Hex(text) + " on " +
                  Hex(background));
}

void RecordingCanvas::DrawImage(int index, Point origin) {
  calls.push_back("image " + std::to_string(index) + " @" + Text(origin));
}

void RecordingCanvas::DrawPickerIcon(int cell, Point origin) {
  calls.push_back("picker icon " + std::to_string(cell) + " @" + Text(origin));
}

void RecordingCanvas::DrawApplicationIcon(Point origin) { calls.push_back("application icon @" + Text(origin)); }

std::unique_ptr<Window> FakeWindowFactory::Create(const WindowSpec& spec, WindowEvents& events) {
  if (spec.className == failForClass) throw std::runtime_error("Cannot create window " + spec.className);
  m_windows.push_back(std::make_unique<FakeWindow>(spec, events));
  created.push_back(m_windows.back().get());
  return std::make_unique<WindowHandle>(*m_windows.back());
}

FakeWindow* FakeWindowFactory::Find(const std::string& className) const {
  for (FakeWindow* window : created) {
    if (window->spec.className == className) return window;
  }
  return nullptr;
}

bool FakeHotkeys::Register(Window&, int id, int modifiers, int key) {
  const bool taken = std::any_of(registered.begin(), registered.end(), [&](const Registration& r) {
    return r.modifiers == modifiers && r.key == key;
  });
  if (taken) return false;
  registered.push_back({id, modifiers, key});
  return true;
}

void FakeHotkeys::Unregister(Window&, int id) {
  unregistered.push_back(id);
  std::erase_if(registered, [id](const Registration& r) { return r.id == id; });
}

int FakeIcons::AddAssociatedIcon(const std::string& file) {
  calls.push_back("assoc:" + file);
  return fail ? -1 : nextIndex++;
}

int FakeIcons::AddFileIcon(const std::string& file, int iconIndex) {
  calls.push_back("file:" + file + "," + std::to_string(iconIndex));
  return fail ? -1 : nextIndex++;
}

}  // namespace tarnwick::fakes
