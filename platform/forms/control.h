// Retained model of one control of a window: geometry in twips, visibility, events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/geometry.h"

namespace zv::forms {

class Container;
class Form;

enum class ControlKind { Form, PictureBox, Label, Image, Shape, CheckBox, ComboBox, TextBox, Button, Hosted };

// Mouse buttons as events report them; MouseMove reports the held buttons as a mask.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// Shift-state mask of mouse events.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

struct MouseEvent {
  int button = 0;
  int shift = 0;
  float x = 0;  // pixels from the control's top-left corner
  float y = 0;
};

enum class Cursor { Default, Link };

// What changed in a control, for the backend to mirror on screen.
enum class Change { Bounds, Visible, Enabled, Caption, Style, Value, Text, Items, Picture };

// A backend's counterpart of a control (a real window, or an area its container paints).
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Change what) = 0;
};

class Control {
 public:
  Control(ControlKind kind, std::string name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // Index within its control array, or -1.
  int Index() const { return index_; }
  Container* Parent() const { return parent_; }
  Form* OwnerForm();
  const Form* OwnerForm() const;
  // Labels, images and shapes have no window of their own; their container paints them.
  bool IsWindowless() const;

  int Left() const { return left_; }  // twips, relative to the container
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int twips) { Move(twips, top_, width_, height_); }
  void SetTop(int twips) { Move(left_, twips, width_, height_); }
  void Move(int left, int top, int width, int height);
  // Pixels relative to the container's client area, at the dots per inch of the control's window
  // (96 outside one).
  Rect PixelBounds() const;
  int Dpi() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  Cursor MouseCursor() const { return cursor_; }
  void SetMouseCursor(Cursor cursor) { cursor_ = cursor; }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  // Takes the focus with the Tab key: check boxes, lists, text boxes and buttons do.
  virtual bool TabStop() const;

  void AttachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void(MouseEvent&)> onMouseDown;
  std::function<void(MouseEvent&)> onMouseMove;
  std::function<void(MouseEvent&)> onMouseUp;

  void RaiseClick() const;
  void RaiseDblClick() const;

 protected:
  void Notify(Change what) const;
  // The same change for this control and every control below it.
  void NotifyTree(Change what) const;

 private:
  friend class Container;
  ControlKind kind_;
  std::string name_;
  int index_;
  Container* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  Cursor cursor_ = Cursor::Default;
  int tabIndex_ = -1;
  ControlPeer* peer_ = nullptr;
};

}  // namespace zv::forms
