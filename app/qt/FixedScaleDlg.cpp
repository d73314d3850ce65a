#include "app/qt/FixedScaleDlg.h"

#include "platform/qt/Placement.h"

using platform::FixedScaleX;
using platform::FixedScaleY;

CFixedScaleDlg::CFixedScaleDlg(const platform::DialogTemplate& tmpl, QWidget* parent)
    : CTemplateDialog(tmpl, parent), m_system(platform::SystemBaseUnits()) {
    ApplyFixedScale();
}

QRect CFixedScaleDlg::ScaleRect(const QRect& r, const platform::BaseUnits& units) {
    int left = FixedScaleX(r.left(), units.x);
    int top = FixedScaleY(r.top(), units.y);
    int right = FixedScaleX(r.left() + r.width(), units.x);
    int bottom = FixedScaleY(r.top() + r.height(), units.y);
    return QRect(left, top, right - left, bottom - top);
}

void CFixedScaleDlg::ApplyFixedScale() {
    QRect whole = ScaleRect(QRect(QPoint(0, 0), size()), m_system);
    setFixedSize(whole.size());
    for (QObject* child : children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        w->setGeometry(ScaleRect(w->geometry(), m_system));
    }
}

void CFixedScaleDlg::CenterWindow() {
    platform::CentreOnOwner(this, parentWidget());
}
