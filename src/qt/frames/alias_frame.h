#pragma once
// The one frame of each alias tab: a heading, the free-text box of alias lines and its add button.
class QWidget;

namespace tk {
class CommandButton;
class Label;
class RichTextBox;
} // namespace tk

namespace brevane::qt {

class Binder;

/// A whole tab page: `heading` over the box (in a bold `pointSize` font) with `add` below it, right.
QWidget *buildAliasPage(Binder &binder, tk::Label &heading, tk::RichTextBox &box, tk::CommandButton &add,
                        double pointSize);

} // namespace brevane::qt
