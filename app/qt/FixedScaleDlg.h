// CFixedScaleDlg: a template dialog that keeps the pixel sizes its dialog
// units have with the design base units 8 x 16, whatever the system's base
// units. Every position is turned into dialog units with the system's base
// units and back into pixels with the fixed ones; where the system stands at
// 8 x 16 (SystemBaseUnits) nothing moves beyond the rule's truncation to
// even pixels.
#pragma once

#include "platform/qt/TemplateDialog.h"

class CFixedScaleDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    explicit CFixedScaleDlg(const platform::DialogTemplate& tmpl, QWidget* parent = nullptr);

    // The system's base units the layout was converted from.
    const platform::BaseUnits& SystemUnits() const { return m_system; }

    // Converts a rectangle's four edges with the fixed-scale rule.
    static QRect ScaleRect(const QRect& r, const platform::BaseUnits& units);

protected:
    // The fixed-scale layout: the dialog's size and every child's rectangle.
    // Called by the constructor; subclasses call it again for children they
    // add later.
    void ApplyFixedScale();
    // Centres the dialog over its parent, or on the screen.
    void CenterWindow();

private:
    platform::BaseUnits m_system;
};
