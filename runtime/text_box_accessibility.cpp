// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box_accessibility.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPointer>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QValidator>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace zelvar {
namespace {

constexpr char kPromptProperty[] = "zelvarPrompt";

// A prompt's words: an arrow drawn after them with dashes, pointing at the
// list to open, is decoration. The words come first, so every offset into
// them is the same offset into the shown text.
QString promptWords(const QString& prompt) {
    qsizetype end = prompt.size();
    while (end > 0 && QStringView(u" ->\u2192").contains(prompt[end - 1]))
        --end;
    return end > 0 ? prompt.first(end) : prompt;
}

// The offsets where a text breaks into the pieces a screen reader moves by:
// 0, the end, and between them every boundary where an item (a word, a
// sentence) starts or ends; for characters, every boundary. The run of
// spaces between two words is a piece of its own, as Qt has it.
std::vector<int> pieceBounds(const QString& text, QTextBoundaryFinder::BoundaryType type) {
    std::vector<int> bounds{0};
    QTextBoundaryFinder finder(type, text);
    constexpr auto itemEdge = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    // toNextBoundary() ends with the text's end, then gives -1.
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        if (type == QTextBoundaryFinder::Grapheme || (finder.boundaryReasons() & itemEdge))
            bounds.push_back(int(at));
    }
    if (!text.isEmpty())
        bounds.push_back(int(text.size()));
    return bounds;
}

struct Piece {
    int start = -1;
    int end = -1;  // -1, -1: no such piece
};

// The pieces as a screen reader asks for them: at an offset, and the ones
// just before and just after it. At the end of the text, the character is
// the empty one there, and the word or sentence the last one, which is what
// Ctrl+Right onto the end reads.
class Pieces {
public:
    Pieces(std::vector<int> bounds, bool characters) : bounds_(std::move(bounds)), characters_(characters) {}

    Piece at(int offset) const {
        const int end = bounds_.back();
        if (offset == end)
            return characters_ || bounds_.size() < 2 ? Piece{end, end} : Piece{bounds_[bounds_.size() - 2], end};
        const auto next = std::upper_bound(bounds_.begin(), bounds_.end(), offset);
        return {*(next - 1), *next};
    }
    Piece before(int offset) const {
        const int start = at(offset).start;
        const auto edge = std::lower_bound(bounds_.begin(), bounds_.end(), start);
        return edge == bounds_.begin() ? Piece{0, 0} : Piece{*(edge - 1), start};
    }
    Piece after(int offset) const {
        const int end = at(offset).end;
        const auto edge = std::lower_bound(bounds_.begin(), bounds_.end(), end);
        return edge + 1 == bounds_.end() ? Piece{end, end} : Piece{end, *(edge + 1)};
    }

private:
    std::vector<int> bounds_;
    bool characters_;
};

// The first x in box from which a click puts the cursor after the character
// at offset: the middle of that character, as the box itself places it. The
// box lays out its whole text for every x tried.
int crossingAskedOfBox(QLineEdit& box, int offset, int reach) {
    int low = -reach, high = reach;
    while (low < high) {
        const int x = low + (high - low) / 2;
        if (box.cursorPositionAt(QPoint(x, box.height() / 2)) > offset)
            high = x;
        else
            low = x + 1;
    }
    return low;
}

// Whether a character keeps to its own place in a line of text laid out left
// to right: no right-to-left letter, no mark joining the one before, no
// invisible control that embeds or joins.
bool standsAlone(QChar c) {
    if (c.isSurrogate() || c.category() == QChar::Other_Format)
        return false;
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirWS:
    case QChar::DirON: return true;
    default: return false;
    }
}

// Each character's crossing (see crossingAskedOfBox) in the line's own x, for
// text laid out as a line edit lays out its own. A click goes to the nearest
// character edge, the earlier one when both are as near, so the crossing is
// the first whole x past the middle of the two edges. Empty unless every
// character has a glyph of its own, the one its font has for it: around a
// mark, a ligature or right-to-left text the box places its cursor in ways
// only it knows, and not always further right for a click further right.
std::vector<int> lineCrossings(const QString& text, const QFont& font) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), standsAlone))
        return {};
    QTextLayout layout(text, font);
    QTextOption option = layout.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    // Edges in 64ths of a pixel, the unit Qt lays text out in.
    std::vector<qint64> edges;
    edges.reserve(text.size() + 1);
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const qsizetype first = qsizetype(edges.size());
        // Another glyph than the font's own for its character: a ligature or
        // some other substitution.
        if (first + glyphs.size() > text.size() ||
            run.rawFont().glyphIndexesForString(text.sliced(first, glyphs.size())) != glyphs)
            return {};
        for (const QPointF& at : run.positions())
            edges.push_back(qRound64(at.x() * 64));
    }
    if (qsizetype(edges.size()) != text.size() || edges.front() != 0)
        return {};
    edges.push_back(qRound64(line.cursorToX(int(text.size())) * 64));
    std::vector<int> crossings;
    crossings.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (edges[i + 1] <= edges[i] || !layout.isValidCursorPosition(int(i)))
            return {};
        crossings.push_back(int((edges[i] + edges[i + 1]) / 128 + 1));
    }
    return crossings;
}

// Counts a box's paints: a line edit scrolls its text only as it paints.
class PaintCount : public QObject {
public:
    explicit PaintCount(QLineEdit& box) : QObject(&box) { box.installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count_;
        return false;
    }

private:
    int count_ = 0;
};

// Each character's crossing in a box. A screen reader asks for every
// character, and a search through the box lays out the whole text at every
// step; this lays it out once, and asks the box twice each time it paints.
class Crossings {
public:
    int at(QLineEdit& box, int offset) {
        follow(box);
        return shift_ ? inLine_[offset] + *shift_ : crossingAskedOfBox(box, offset, reach(box));
    }

private:
    // Where the box shows its text: its frame and margins, and how far it
    // has scrolled when it last painted.
    using View = std::tuple<int, QRect, QRect, QMargins>;

    void follow(QLineEdit& box) {
        if (!paints_)
            paints_ = new PaintCount(box);
        const QString text = box.text();
        if (text != text_ || box.font() != font_) {
            text_ = text;
            font_ = box.font();
            textWidth_.reset();
            inLine_ = box.layoutDirection() == Qt::LeftToRight ? lineCrossings(text_, font_) : std::vector<int>{};
            view_.reset();
        }
        const View view{paints_->count(), box.rect(), box.contentsRect(), box.textMargins()};
        if (view_ == view)
            return;
        view_ = view;
        shift_.reset();
        if (inLine_.empty())
            return;
        // The box shifts the line as a whole: the first crossing gives the
        // shift, and the last confirms that the box lays the line out alike.
        const int last = int(inLine_.size()) - 1;
        const int shift = crossingAskedOfBox(box, 0, reach(box)) - inLine_.front();
        if (crossingAskedOfBox(box, last, reach(box)) == inLine_[last] + shift)
            shift_ = shift;
    }

    // Far enough either way for any crossing.
    int reach(const QLineEdit& box) {
        if (!textWidth_)
            textWidth_ = box.fontMetrics().horizontalAdvance(text_);
        return *textWidth_ + box.width();
    }

    QPointer<PaintCount> paints_;
    QString text_;
    QFont font_;
    std::optional<int> textWidth_;
    std::vector<int> inLine_;
    std::optional<View> view_;
    std::optional<int> shift_;
};

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? readText() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        QString checked = text;
        int position = 0;
        if (!box()->validator() || box()->validator()->validate(checked, position) == QValidator::Acceptable)
            box()->setText(checked);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = box()->isReadOnly();
        s.editable = !box()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // Text.
    QString text(int startOffset, int endOffset) const override {
        return startOffset > endOffset ? QString() : readText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(readText().size()); }
    int cursorPosition() const override { return std::min(box()->cursorPosition(), characterCount()); }
    void setCursorPosition(int position) override { box()->setCursorPosition(shownOffset(position)); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override {
        if (!finderType(boundary))
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        return piece(offset, boundary, &Pieces::at, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override {
        if (!finderType(boundary))
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
        return piece(offset, boundary, &Pieces::before, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override {
        if (!finderType(boundary))
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
        return piece(offset, boundary, &Pieces::after, start, end);
    }

    // No part of the text looks different from the rest.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // Selection. A prompt is selected only so that typing replaces it; said
    // as a selection, it would be read once more on the way into the box.
    int selectionCount() const override { return box()->hasSelectedText() && !showsPrompt() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && selectionCount() == 1) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(shownOffset(start), shownOffset(end) - shownOffset(start));
    }

    // Geometry, in screen coordinates.
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    QRect characterRect(int offset) const override {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics = box()->fontMetrics();
        const int width = metrics.horizontalAdvance(character);
        // A click lands the cursor after the character from its middle on; no
        // public call gives a character's place, so that middle is sought.
        const QRect inBox(crossings_.at(*box(), offset) - width / 2, (box()->height() - metrics.height()) / 2, width,
                          metrics.height());
        return inBox.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(shownOffset(end));
        box()->setCursorPosition(shownOffset(start));
    }

    // Editing.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        start = shownOffset(start);
        box()->setText(box()->text().replace(start, shownOffset(end) - start, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(object()); }

    bool showsPrompt() const {
        const QVariant prompt = box()->property(kPromptProperty);
        return prompt.isValid() && box()->text() == prompt.toString();
    }
    // What a screen reader reads: the shown text, or a prompt's words.
    QString readText() const { return showsPrompt() ? promptWords(box()->text()) : box()->text(); }
    // The end of a prompt's words is the end of the prompt, so that replacing
    // all a screen reader reads replaces all that shows.
    int shownOffset(int readOffset) const {
        return showsPrompt() && readOffset >= characterCount() ? int(box()->text().size()) : readOffset;
    }

    using Ask = Piece (Pieces::*)(int) const;

    // Characters, words and sentences come from the text's own pieces;
    // lines, paragraphs and the whole text from Qt, which answers those at
    // once.
    QString piece(int offset, QAccessible::TextBoundaryType boundary, Ask ask, int* start, int* end) const {
        const QString text = readText();
        if (offset == -2)
            offset = cursorPosition();
        else if (offset == -1)
            offset = int(text.size());
        if (offset < 0 || offset > text.size()) {
            *start = *end = -1;
            return QString();
        }
        const Piece found = (pieces(text, *finderType(boundary)).*ask)(offset);
        *start = found.start;
        *end = found.end;
        return text.mid(found.start, found.end - found.start);
    }

    static std::optional<QTextBoundaryFinder::BoundaryType> finderType(QAccessible::TextBoundaryType boundary) {
        switch (boundary) {
        case QAccessible::CharBoundary: return QTextBoundaryFinder::Grapheme;
        case QAccessible::WordBoundary: return QTextBoundaryFinder::Word;
        case QAccessible::SentenceBoundary: return QTextBoundaryFinder::Sentence;
        default: return std::nullopt;
        }
    }

    // A screen reader asks offset after offset of the same text; a text of
    // 32,767 characters is broken up once, not at every question.
    const Pieces& pieces(const QString& text, QTextBoundaryFinder::BoundaryType type) const {
        Cached& cached = cache_[type == QTextBoundaryFinder::Grapheme ? 0 : type == QTextBoundaryFinder::Word ? 1 : 2];
        if (!cached.pieces || cached.text != text) {
            cached.text = text;
            cached.pieces.emplace(pieceBounds(text, type), type == QTextBoundaryFinder::Grapheme);
        }
        return *cached.pieces;
    }
    struct Cached {
        QString text;
        std::optional<Pieces> pieces;
    };
    mutable std::array<Cached, 3> cache_;
    mutable Crossings crossings_;
};

QAccessibleInterface* textBoxFactory(const QString& className, QObject* object) {
    // Only boxes that show their text: Qt's own keeps a password's hidden.
    auto* box = qobject_cast<QLineEdit*>(object);
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()) && box &&
        box->echoMode() == QLineEdit::Normal)
        return new TextBoxAccessible(box);
    return nullptr;
}

}  // namespace

void installTextBoxAccessibility() {
    QAccessible::installFactory(textBoxFactory);
}

void markAsPrompt(QLineEdit& box, const QString& prompt) {
    box.setProperty(kPromptProperty, prompt);
}

}  // namespace zelvar
