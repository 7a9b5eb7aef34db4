// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_builder.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "runtime/accessible_presence.h"
#include "runtime/controls.h"
#include "runtime/fonts.h"
#include "runtime/form_input.h"
#include "runtime/form_life.h"
#include "runtime/number_entry.h"
#include "runtime/qt_text.h"
#include "runtime/readable_colours.h"
#include "runtime/twips.h"

namespace zelvar {
namespace {

QColor qtColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QWidget* createLabel(QWidget& client, const ControlRow& row) {
    const ControlLook& look = *row.look;
    QLabel* label = look.sizeFollowsText ? new AutoSizeLabel(&client) : new QLabel(&client);
    label->setTextFormat(Qt::PlainText);
    label->setText(qtText(row.text));
    label->setAlignment((look.align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (look.border)
        setSingleBorder(*label);
    return label;
}

QWidget* createControl(QWidget& client, const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::ComboBox: {
        auto* combo = new DropDownCombo(&client);
        combo->setPrompt(qtText(row.text));
        return combo;
    }
    case ControlKind::TextBox: return new NumberEntry(qtText(row.text), &client);
    case ControlKind::CommandButton: return new QPushButton(qtText(row.text), &client);
    case ControlKind::Shape: {
        auto* shape = new QFrame(&client);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setLineWidth(1);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        return shape;
    }
    case ControlKind::Label: return createLabel(client, row);
    case ControlKind::Picture: return new PictureBox(qtText(row.text), &client);
    }
    return nullptr;
}

void applyLook(QWidget& control, const ControlRow& row) {
    const ControlLook& look = *row.look;
    if (look.background || look.foreground) {
        QPalette palette = control.palette();
        // Colour the roles the control paints with: they follow the client
        // area's, which is button face rather than window.
        if (look.background) {
            const bool entry = row.kind == ControlKind::ComboBox || row.kind == ControlKind::TextBox;
            palette.setColor(entry ? QPalette::Base : control.backgroundRole(), qtColour(*look.background));
            control.setAutoFillBackground(!entry);
        }
        if (look.foreground)
            palette.setColor(control.foregroundRole(), qtColour(*look.foreground));
        control.setPalette(palette);
    }
    if (look.font)
        control.setFont(makeFont(*look.font));
    // A fixed colour beside a system one must stay readable under any scheme.
    const bool bearsText = row.kind != ControlKind::Shape && row.kind != ControlKind::Picture;
    if (bearsText && look.background.has_value() != look.foreground.has_value()) {
        const bool entry = row.kind == ControlKind::ComboBox || row.kind == ControlKind::TextBox;
        keepReadable(control, look.foreground ? FixedColour::Text
                              : entry         ? FixedColour::EntryBackground
                                              : FixedColour::Background);
    }
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::ComboBox || kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

QPushButton* buttonWithRole(const std::vector<QWidget*>& controls, std::span<const ControlRow> rows, ButtonRole role) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == ControlKind::CommandButton && rows[i].look->role == role)
            return static_cast<QPushButton*>(controls[i]);
    }
    return nullptr;
}

}  // namespace

void buildControls(QWidget& client, std::span<const ControlRow> rows) {
    markAsClientArea(client);
    // Before anything measures its text at the first paint.
    beforeFirstPaint(*client.window(), [window = QPointer<QWidget>(client.window())] {
        if (window)
            useInstalledFamilies(*window);
    });
    std::vector<QWidget*> controls;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlRow& row : rows) {
        QWidget* control = createControl(client, row);
        control->setObjectName(qtText(row.name));
        control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        applyLook(*control, row);
        if (takesFocus(row.kind))
            tabStops.emplace_back(row.tabIndex, control);
        else
            control->setFocusPolicy(Qt::NoFocus);
        controls.push_back(control);
    }

    // Qt paints later siblings over earlier ones; the form's first row is in front.
    for (auto control = controls.rbegin(); control != controls.rend(); ++control)
        (*control)->raise();

    std::sort(tabStops.begin(), tabStops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);

    bindDialogKeys(client, buttonWithRole(controls, rows, ButtonRole::Default),
                   buttonWithRole(controls, rows, ButtonRole::Cancel));
}

void buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows) {
    for (const MenuRow& top : rows) {
        if (!top.parent.empty())
            continue;
        const bool opensMenu =
            std::any_of(rows.begin(), rows.end(), [&](const MenuRow& r) { return r.parent == top.name; });
        if (!opensMenu) {
            bar.addAction(qtText(top.caption))->setObjectName(qtText(top.name));
            continue;
        }
        QMenu* menu = bar.addMenu(qtText(top.caption));
        menu->setObjectName(qtText(top.name));
        for (const MenuRow& item : rows) {
            if (item.parent != top.name)
                continue;
            QAction* action = menu->addAction(qtText(item.caption));
            action->setObjectName(qtText(item.name));
            if (!item.shortcut.empty())
                action->setShortcut(QKeySequence(qtText(item.shortcut)));
        }
    }
}

}  // namespace zelvar
