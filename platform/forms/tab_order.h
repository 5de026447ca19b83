// The keyboard order of a form: which controls the Tab key reaches, and in what order.
#pragma once

#include <vector>

#include "platform/forms/container.h"

namespace zv::forms {

// A tab stop that is visible and enabled, and so is every container it lies in.
bool CanTakeFocus(const Control& control);

// Every tab stop of the form's tree (reachable now or not), by ascending TabIndex: those without
// one (-1) come after those with one, ties in definition order. TabIndex counts over the whole form.
std::vector<Control*> TabStops(const Container& root);

// Where Tab (Shift+Tab when backward) moves the focus from `from`, skipping what cannot take the focus
// and wrapping round; from nothing (null, or a control that is no tab stop) it goes to the first (last)
// one. Null when nothing can take the focus.
Control* NextTabStop(const Container& root, const Control* from, bool backward);

// The children of a container in the order a backend that navigates by walking child windows must
// stack them: by TabIndex, a container by the smallest TabIndex of the tab stops inside it. That walk
// agrees with TabStops as long as the tab stops of each container have consecutive places in it
// among what is visible at the same time.
std::vector<Control*> ChildrenInTabOrder(const Container& container);

}  // namespace zv::forms
