// Tab order over a form's tree of containers.
#include "platform/forms/tab_order.h"

#include <algorithm>
#include <climits>

namespace zv::forms {
namespace {

bool IsContainer(const Control& c) {
  return c.Kind() == ControlKind::PictureBox || c.Kind() == ControlKind::Form;
}

int OwnKey(const Control& c) { return c.TabIndex() < 0 ? INT_MAX : c.TabIndex(); }

int FirstStopKey(const Container& container);

// A container sorts where its first tab stop does.
int SortKey(const Control& c) {
  if (!IsContainer(c)) return OwnKey(c);
  const int first = FirstStopKey(static_cast<const Container&>(c));
  return first == INT_MAX ? OwnKey(c) : first;
}

int FirstStopKey(const Container& container) {
  int key = INT_MAX;
  for (const auto& child : container.Children()) {
    if (IsContainer(*child)) {
      key = std::min(key, FirstStopKey(static_cast<const Container&>(*child)));
    } else if (child->TabStop()) {
      key = std::min(key, OwnKey(*child));
    }
  }
  return key;
}

void Collect(const Container& container, std::vector<Control*>& out) {
  for (const auto& child : container.Children()) {
    if (child->TabStop()) out.push_back(child.get());
    if (IsContainer(*child)) Collect(static_cast<const Container&>(*child), out);
  }
}

}  // namespace

bool CanTakeFocus(const Control& control) {
  if (!control.TabStop()) return false;
  for (const Control* c = &control; c != nullptr; c = c->Parent()) {
    // A form's own visibility does not matter: focus is a matter of its controls.
    if (c->Kind() == ControlKind::Form) break;
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

std::vector<Control*> TabStops(const Container& root) {
  std::vector<Control*> stops;
  Collect(root, stops);
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Control* a, const Control* b) { return OwnKey(*a) < OwnKey(*b); });
  return stops;
}

Control* NextTabStop(const Container& root, const Control* from, bool backward) {
  const std::vector<Control*> stops = TabStops(root);
  const int n = static_cast<int>(stops.size());
  if (n == 0) return nullptr;
  const auto found = std::find(stops.begin(), stops.end(), from);
  const int step = backward ? -1 : 1;
  int at = found == stops.end() ? (backward ? 0 : n - 1) : static_cast<int>(found - stops.begin());
  for (int tried = 0; tried < n; ++tried) {
    at = (at + step + n) % n;
    if (CanTakeFocus(*stops[static_cast<size_t>(at)])) return stops[static_cast<size_t>(at)];
  }
  return nullptr;
}

std::vector<Control*> ChildrenInTabOrder(const Container& container) {
  std::vector<Control*> order;
  for (const auto& child : container.Children()) order.push_back(child.get());
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return SortKey(*a) < SortKey(*b); });
  return order;
}

}  // namespace zv::forms
