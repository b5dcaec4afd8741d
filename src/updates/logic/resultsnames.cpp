#include "updates/logic/resultsnames.h"

QString serverFileName(const QString& gamename) {
    return kResultPrefix + gamename.trimmed() + QStringLiteral(".rtl");
}

QString localFileName(const QString& serverFile) {
    return serverFile.mid(kResultPrefix.size());
}

QString getnameafterslash(const QString& address) {
    return address.mid(address.lastIndexOf(u'/') + 1);
}
