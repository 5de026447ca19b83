// Property changes of the standard controls and what each one tells the backend.
#include "platform/forms/controls.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/form.h"

namespace zv::forms {

void Label::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Fit();
  Notify(Change::Caption);
}

void Label::SetForeColor(Color color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  Notify(Change::Style);
}

void Label::SetBackColor(Color color) {
  if (color == backColor_) return;
  backColor_ = color;
  Notify(Change::Style);
}

void Label::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Notify(Change::Style);
}

void Label::SetFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  Fit();
  Notify(Change::Style);
}

void Label::SetUnderline(bool underline) {
  if (underline == font_.underline) return;
  Font f = font_;
  f.underline = underline;
  SetFont(f);
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  Fit();
}

void Label::SetAlignment(TextAlign alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Change::Style);
}

void Label::Fit() {
  if (!autoSize_) return;
  Form* form = OwnerForm();
  if (form == nullptr) return;
  const TextExtent extent = form->Text().Measure(font_.AtDpi(form->Dpi()), caption_, 0);
  const int width = PixelsToTwips(static_cast<int>(std::ceil(extent.width)), form->Dpi());
  const int height = PixelsToTwips(static_cast<int>(std::ceil(extent.height)), form->Dpi());
  Move(Left(), Top(), width, height);
}

void Image::SetPictureName(std::string_view name) {
  if (name == picture_) return;
  picture_ = name;
  Notify(Change::Picture);
}

void Shape::SetBorderColor(Color color) {
  if (color == borderColor_) return;
  borderColor_ = color;
  Notify(Change::Style);
}

void Shape::SetFill(bool filled, Color color) {
  if (filled == filled_ && color == fillColor_) return;
  filled_ = filled;
  fillColor_ = color;
  Notify(Change::Style);
}

void CheckBox::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Change::Caption);
}

bool CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) return false;
  if (value == value_) return true;
  value_ = value;
  Notify(Change::Value);
  RaiseClick();
  return true;
}

void CheckBox::UserToggle() {
  if (!Enabled()) return;
  (void)SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Notify(Change::Style);
}

void ComboBox::AddItem(std::string_view item) {
  items_.emplace_back(item);
  Notify(Change::Items);
}

bool ComboBox::SetText(std::string_view text) {
  if (std::find(items_.begin(), items_.end(), text) == items_.end()) return false;
  if (text == text_) return true;
  text_ = text;
  Notify(Change::Text);
  return true;
}

void ComboBox::UserSelected(int position) {
  if (position < 0 || position >= static_cast<int>(items_.size())) return;
  text_ = items_[static_cast<size_t>(position)];
}

int ComboBox::SelectedIndex() const {
  auto it = std::find(items_.begin(), items_.end(), text_);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TextBox::Refresh() {
  if (stale_ && textPeer_ != nullptr) text_ = textPeer_->ReadText();
  stale_ = false;
}

const std::string& TextBox::Text() {
  Refresh();
  return text_;
}

void TextBox::SetText(std::string_view text) {
  stale_ = false;
  text_ = text;
  selStart_ = std::min(selStart_, text_.size());
  Notify(Change::Text);
}

void TextBox::Append(std::string_view text) {
  Refresh();
  text_ += text;
  if (textPeer_ != nullptr) textPeer_->AppendText(text);
}

std::size_t TextBox::TextLength() {
  Refresh();
  return text_.size();
}

void TextBox::SetSelectionStart(std::size_t position) {
  Refresh();
  selStart_ = std::min(position, text_.size());
  if (textPeer_ != nullptr) textPeer_->SetSelectionStart(selStart_);
}

void Button::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Change::Caption);
}

}  // namespace zv::forms
