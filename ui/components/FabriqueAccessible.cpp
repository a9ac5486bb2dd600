#include "FabriqueAccessible.h"

#include "TAnnonce.h"
#include "TTrackBar.h"
#include "Tafficheur.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavelor {

namespace {

// A track bar read in what it sets: the value interface works in readings, each one a
// position of the bar.
class TTrackBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TTrackBarAccessible(TTrackBar *barre) : QAccessibleWidget(barre, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Barre()->TexteLecture() : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Barre()->Lecture(Barre()->value()); }
    void setCurrentValue(const QVariant &valeur) override { Barre()->setValue(Barre()->PositionDe(valeur.toDouble())); }
    QVariant maximumValue() const override { return std::max(Extremes().first, Extremes().second); }
    QVariant minimumValue() const override { return std::min(Extremes().first, Extremes().second); }
    QVariant minimumStepSize() const override { return std::abs(Barre()->Lecture(1) - Barre()->Lecture(0)); }

private:
    TTrackBar *Barre() const { return static_cast<TTrackBar *>(widget()); }
    std::pair<double, double> Extremes() const
    {
        return {Barre()->Lecture(Barre()->minimum()), Barre()->Lecture(Barre()->maximum())};
    }
};

QAccessibleInterface *Fabrique(const QString &classe, QObject *objet)
{
    auto *widget = qobject_cast<QWidget *>(objet);
    // Asked once per class up the hierarchy: answer for the object's own class only,
    // and only for ours, so that Qt's widgets keep their own interfaces.
    if (!widget || classe != QLatin1String(objet->metaObject()->className()) ||
        !classe.startsWith(QLatin1String("tavelor::")))
        return nullptr;
    if (auto *barre = qobject_cast<TTrackBar *>(widget))
        return new TTrackBarAccessible(barre);
    if (qobject_cast<TAnnonce *>(widget))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    if (qobject_cast<Tafficheur *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstalleFabriqueAccessible()
{
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
}

} // namespace tavelor
