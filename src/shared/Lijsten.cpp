#include "shared/Lijsten.h"

#include "platform/ControlsList.h"

int ZoekInLijst(platform::ListBox* hWnd, const QString& tekst, bool exact) {
    if (!hWnd) return -1;
    for (int i = 0; i < hWnd->ListCount(); ++i) {
        const QString item = hWnd->List(i);
        if (exact ? item.compare(tekst, Qt::CaseInsensitive) == 0 : item.startsWith(tekst, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}
