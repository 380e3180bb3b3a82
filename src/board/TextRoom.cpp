#include "board/TextRoom.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

#include <algorithm>
#include <functional>

namespace {

// What a fitted control remembers: its designed size, and while it shows its
// text elided, the whole text and what it shows instead.
const char* const kDesignedPoints = "textRoomPoints";
const char* const kWholeText = "textRoomWhole";
const char* const kShownText = "textRoomShown";
const char* const kDesignedPlace = "textRoomPlace";

constexpr double kStep = 0.25;

double designedPoints(QWidget* control) {
    QVariant points = control->property(kDesignedPoints);
    if (!points.isValid()) {
        points = control->font().pointSizeF();
        control->setProperty(kDesignedPoints, points);
    }
    return points.toDouble();
}

// The largest face, from the designed size down, for which `fits` holds;
// the smallest one when none does. A face given in pixels stays as it is.
QFont faceFor(QWidget* control, const std::function<bool(const QFont&)>& fits) {
    QFont face = control->font();
    const double designed = designedPoints(control);
    if (designed <= 0) return face;
    const double smallest = TextRoom::smallestPoints(designed);
    for (double points = designed;; points -= kStep) {
        face.setPointSizeF(points);
        if (fits(face) || points - kStep < smallest) return face;
    }
}

// Only a face that differs is set: a control that keeps the face it
// inherits keeps following its window's.
void setFace(QWidget* control, const QFont& face) {
    if (control->font() != face) control->setFont(face);
}

QString withoutMnemonic(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

template <class Control> QString wholeTextOf(const Control* control) {
    const QVariant shown = control->property(kShownText);
    return shown.isValid() && shown.toString() == control->text()
               ? control->property(kWholeText).toString()
               : control->text();
}

// Shows `whole` in `face`, elided to `room` when it is wider.
template <class Control>
void show(Control* control, const QString& whole, const QFont& face, int room) {
    setFace(control, face);
    const bool elided = control->property(kShownText).isValid();
    if (TextRoom::fits(whole, face, room)) {
        if (elided) {
            const QString tip = withoutMnemonic(control->property(kWholeText).toString()).trimmed();
            if (control->toolTip() == tip) control->setToolTip(QString());
            control->setProperty(kShownText, QVariant());
            control->setProperty(kWholeText, QVariant());
        }
        if (control->text() != whole) control->setText(whole);
        return;
    }
    const QString shown =
        QFontMetrics(face).elidedText(whole.trimmed(), Qt::ElideRight, room, Qt::TextShowMnemonic);
    control->setProperty(kWholeText, whole);
    control->setProperty(kShownText, shown);
    control->setText(shown);
    control->setToolTip(withoutMnemonic(whole).trimmed());
}

template <class Control> void fitOne(Control* control) {
    const QString whole = wholeTextOf(control);
    const int room = TextRoom::room(control);
    show(control, whole,
         faceFor(control, [&](const QFont& face) { return TextRoom::fits(whole, face, room); }),
         room);
}

} // namespace

namespace TextRoom {

double smallestPoints(double points) {
    return std::max(points * kSmallestScale, std::min(points, kSmallestPoints));
}

int widthOf(const QString& text, const QFont& font) {
    return QFontMetrics(font).size(Qt::TextShowMnemonic, text).width();
}

bool fits(const QString& text, const QFont& font, int room) {
    return widthOf(text, font) <= room + kSlack;
}

int room(const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const int margin = label ? label->margin() : 0;
        return control->contentsRect().width() - 2 * margin;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    }
    int width = button->style()->subElementRect(contents, &option, button).width();
    if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
        width -= button->iconSize().width() + 4;
    return width;
}

QString fullText(const QLabel* label) {
    return wholeTextOf(label);
}

QString fullText(const QAbstractButton* button) {
    return wholeTextOf(button);
}

void fit(QLabel* label) {
    fitOne(label);
}

void fit(QAbstractButton* button) {
    fitOne(button);
}

void fit(const QList<QAbstractButton*>& buttons) {
    if (buttons.isEmpty()) return;
    // Each one's face, then the smallest of them for all.
    double smallest = 0;
    for (QAbstractButton* button : buttons) {
        const QString whole = wholeTextOf(button);
        const int room = TextRoom::room(button);
        const QFont face =
            faceFor(button, [&](const QFont& f) { return TextRoom::fits(whole, f, room); });
        if (smallest == 0 || face.pointSizeF() < smallest) smallest = face.pointSizeF();
    }
    for (QAbstractButton* button : buttons) {
        QFont face = button->font();
        if (designedPoints(button) > 0) face.setPointSizeF(smallest);
        show(button, wholeTextOf(button), face, TextRoom::room(button));
    }
}

void fit(QTabBar* tabs, int widest) {
    QVariant place = tabs->property(kDesignedPlace);
    if (!place.isValid()) {
        place = tabs->geometry();
        tabs->setProperty(kDesignedPlace, place);
    }
    const QRect designed = place.toRect();
    const auto needed = [tabs] { return tabs->sizeHint().width(); };
    QFont face = tabs->font();
    if (designedPoints(tabs) > 0) face.setPointSizeF(designedPoints(tabs));
    setFace(tabs, face);
    if (needed() <= designed.width() + kSlack) {
        tabs->setGeometry(designed);
        return;
    }
    // Wider about its centre, as far as the window lets it.
    const int width = std::min(widest, needed());
    const int parentWidth = tabs->parentWidget() ? tabs->parentWidget()->width() : width;
    const int left = std::clamp(designed.center().x() - width / 2, 0, parentWidth - width);
    tabs->setGeometry(left, designed.top(), width, designed.height());
    setFace(tabs, faceFor(tabs, [&](const QFont& f) {
                setFace(tabs, f);
                return needed() <= width + kSlack;
            }));
    if (needed() > width + kSlack) tabs->setElideMode(Qt::ElideRight);
}

void setText(QLabel* label, const QString& text) {
    if (wholeTextOf(label) == text && label->property(kDesignedPoints).isValid()) return;
    label->setText(text);
    fit(label);
}

} // namespace TextRoom
