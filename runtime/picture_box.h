#pragma once

#include <QLabel>

namespace zelvar {

// A picture from an image file, stretched over the control's box. The file is
// decoded when the control's window is first painted rather than when the
// control is made: a window's first appearance need not wait for its pictures
// to be decoded, only its first paint does.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    PictureBox(const QString& file, QWidget* parent = nullptr);

    QString file() const { return file_; }

protected:
    bool event(QEvent* event) override;

private:
    void load();

    QString file_;
    bool loadRequested_ = false;
};

}  // namespace zelvar
