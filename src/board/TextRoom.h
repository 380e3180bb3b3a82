#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QFont;
class QLabel;
class QTabBar;
class QWidget;

// Room for texts longer than the ones the windows were drawn for (another
// language's, most often) in controls placed at a fixed size. A text that
// fits its control as designed changes nothing: the control keeps its face,
// its text and its tooltip. One that does not is set in a smaller face, a
// quarter-point at a time down to kSmallestScale of the designed size (and
// never below kSmallestPoints unless designed so); what is still too wide is
// elided, and the whole text becomes the control's tooltip.
//
// Call fit() again after every change of a fitted control's text or face; the
// designed size is the one the control had when it was first fitted.
namespace TextRoom {

inline constexpr double kSmallestScale = 0.7;
inline constexpr double kSmallestPoints = 7.0;
// A text may pass its room by this many pixels, the edge of its last letter:
// the look-alike fonts draw the high scores' designed title so.
inline constexpr int kSlack = 1;

// The width a control has for its text: a label's contents, a button's
// contents beside its icon or indicator, as the style draws them.
int room(const QWidget* control);

// The width `text` takes in `font`, "&" marking a mnemonic as on a button.
int widthOf(const QString& text, const QFont& font);
// Whether `text` in `font` fits `room` (within kSlack).
bool fits(const QString& text, const QFont& font, int room);

// The smallest point size fit() gives a control designed at `points`.
double smallestPoints(double points);

// The control's whole text, also while it shows it elided.
QString fullText(const QLabel* label);
QString fullText(const QAbstractButton* button);

// Fits one single-line label or button caption into its control.
void fit(QLabel* label);
void fit(QAbstractButton* button);
// Buttons that stand together share one face: the smallest any of them needs.
void fit(const QList<QAbstractButton*>& buttons);
// The tabs share the bar's width: the bar grows, keeping its centre, up to
// `widest`, then the tabs' face gets smaller.
void fit(QTabBar* tabs, int widest);

// Shows `text` in the label, fitted, when it is not what the label shows already.
void setText(QLabel* label, const QString& text);

} // namespace TextRoom
