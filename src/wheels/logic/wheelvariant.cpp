#include "wheels/logic/wheelvariant.h"

namespace wheels {

const std::vector<WheelVariant>& wheelVariants() {
    static const std::vector<WheelVariant> variants = {
        {4,
         true,
         {QStringLiteral("Option7"), QStringLiteral("Option8"), QStringLiteral("Option9")},
         true,
         true},
        {5,
         true,
         {QStringLiteral("Option7"), QStringLiteral("Option8"), QStringLiteral("Option9")},
         false,
         false},
        {6,
         true,
         {QStringLiteral("Option13"), QStringLiteral("Option12"), QStringLiteral("Option11")},
         false,
         false},
        {7, false, {}, false, false},
    };
    return variants;
}

const WheelVariant* wheelVariant(int k) {
    for (const WheelVariant& v : wheelVariants()) {
        if (v.k == k) {
            return &v;
        }
    }
    return nullptr;
}

std::vector<GuaranteeColumn> guaranteeColumns(int k) {
    std::vector<GuaranteeColumn> columns;
    for (const wheeldesign::WheelType* t : wheeldesign::wheelTypesOf(k)) {
        if (columns.empty() || columns.back().d != t->d) {
            columns.push_back({t->d, QString::fromStdString(t->heading()), {}});
        }
        columns.back().types.push_back(t);
    }
    return columns;
}

QStringList groupSizeItems(const wheeldesign::WheelType& type) {
    QStringList items;
    for (const wheeldesign::WheelSize& s : type.sizes) {
        items << QString::number(s.n);
    }
    return items;
}

QString wheelEntryFileName(const QString& gamename, const wheeldesign::WheelType& type) {
    return gamename +
           QString::fromStdString(wheeldesign::wheelEntryFileSuffix(type.k, type.d, type.m));
}

QString guaranteeLine(const wheeldesign::WheelType& type) {
    return QStringLiteral("Guarantee Match %1 if any %2 drawn from the following number group:")
        .arg(type.m)
        .arg(type.d);
}

}  // namespace wheels
