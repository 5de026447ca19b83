// The standard controls of a window: labels, images, shapes, check boxes, drop-down
// lists, multi-line text boxes, push buttons and picture boxes used as pages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/forms/container.h"

namespace zv::forms {

enum class TextAlign { Left, Center, Right };

class Label : public Control {
 public:
  Label(std::string name, int index = -1) : Control(ControlKind::Label, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  // Unchanged text changes nothing, so an unchanged refresh repaints nothing.
  void SetCaption(std::string_view caption);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetUnderline(bool underline);
  bool AutoSize() const { return autoSize_; }
  // An auto-size label fits its text and keeps its top-left corner.
  void SetAutoSize(bool autoSize);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);

 private:
  void Fit();
  std::string caption_;
  Color foreColor_ = 0x80000012u;  // button text
  Color backColor_ = SystemColor(syscolor::kButtonFace);
  bool transparent_ = false;
  bool autoSize_ = false;
  TextAlign alignment_ = TextAlign::Left;
  Font font_;
};

class Image : public Control {
 public:
  Image(std::string name, int index = -1) : Control(ControlKind::Image, std::move(name), index) {}
  const std::string& PictureName() const { return picture_; }
  void SetPictureName(std::string_view name);

 private:
  std::string picture_;
};

enum class ShapeKind { Rectangle };

class Shape : public Control {
 public:
  Shape(std::string name, int index = -1) : Control(ControlKind::Shape, std::move(name), index) {}
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color color);
  // Filled with the fill colour when opaque, only outlined when transparent.
  bool Filled() const { return filled_; }
  Color FillColor() const { return fillColor_; }
  void SetFill(bool filled, Color color);

 private:
  Color borderColor_ = SystemColor(syscolor::kWindowText);
  bool filled_ = false;
  Color fillColor_ = 0;
};

class CheckBox : public Control {
 public:
  CheckBox(std::string name, int index = -1) : Control(ControlKind::CheckBox, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  int Value() const { return value_; }
  // 0 unticked, 1 ticked, 2 grey; false for any other value. A change raises Click, also
  // when the program makes it, and only when the value actually changes.
  [[nodiscard]] bool SetValue(int value);
  // The user clicked the box: ticked becomes unticked, anything else (grey too) ticked.
  void UserToggle();
  // Drawn flat instead of three-dimensional.
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color) { backColor_ = color; }
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }

 private:
  std::string caption_;
  int value_ = 0;
  bool flat_ = false;
  Font font_;
  Color backColor_ = SystemColor(syscolor::kButtonFace);
  Color foreColor_ = 0x80000012u;
};

// A drop-down list: the user can only pick one of its entries.
class ComboBox : public Control {
 public:
  ComboBox(std::string name, int index = -1) : Control(ControlKind::ComboBox, std::move(name), index) {}
  void AddItem(std::string_view item);
  const std::vector<std::string>& Items() const { return items_; }
  const std::string& Text() const { return text_; }
  // Selects the entry with this text; false (nothing changes) for a text not in the list.
  [[nodiscard]] bool SetText(std::string_view text);
  // The user picked the entry at this position.
  void UserSelected(int position);
  int SelectedIndex() const;
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }

 private:
  std::vector<std::string> items_;
  std::string text_;
  Font font_;
};

// Where a text box keeps the text the user edits: in the real control on screen.
class TextBoxPeer : public virtual ControlPeer {
 public:
  virtual std::string ReadText() = 0;
  virtual void AppendText(std::string_view text) = 0;
  virtual void SetSelectionStart(std::size_t position) = 0;
};

// A multi-line text box with a vertical scroll bar.
class TextBox : public Control {
 public:
  TextBox(std::string name, int index = -1) : Control(ControlKind::TextBox, std::move(name), index) {}
  const std::string& Text();
  void SetText(std::string_view text);
  // Appends at the end without rewriting the text, so the cost does not grow with it.
  void Append(std::string_view text);
  std::size_t TextLength();
  std::size_t SelectionStart() const { return selStart_; }
  void SetSelectionStart(std::size_t position);
  // The user edited the text on screen; it is read back when next asked for.
  void UserEdited() { stale_ = true; }
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }
  void AttachTextPeer(TextBoxPeer* peer) {
    textPeer_ = peer;
    AttachPeer(peer);
  }

 private:
  void Refresh();
  std::string text_;
  std::size_t selStart_ = 0;
  bool stale_ = false;
  Font font_;
  TextBoxPeer* textPeer_ = nullptr;
};

// A plain push button.
class Button : public Control {
 public:
  Button(std::string name, int index = -1) : Control(ControlKind::Button, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }

 private:
  std::string caption_;
  Font font_;
};

// A picture box used as a plain container: a page of the main window.
class PictureBox : public Container {
 public:
  PictureBox(std::string name, int index = -1) : Container(ControlKind::PictureBox, std::move(name), index) {}
};

}  // namespace zv::forms
