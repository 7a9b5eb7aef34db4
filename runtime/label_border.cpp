#include "label_border.h"

#include <QLabel>

namespace zelvar {
namespace {

constexpr int kBorderWidth = 1;
constexpr int kTextMargin = 3;  // both sides, inside the border
constexpr int kTextIndent = 1;  // on the side the text is aligned to

}  // namespace

void setSingleBorder(QLabel& label) {
    label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label.setLineWidth(kBorderWidth);
    label.setMargin(kTextMargin);
    label.setIndent(kTextIndent);
}

}  // namespace zelvar
