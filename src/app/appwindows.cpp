#include "app/appwindows.h"

#include "app/Form1.h"
#include "app/Form14.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/editEntry.h"
#include "app/frmAbout.h"
#include "platform/windows.h"

void registerAppWindows() {
    platform::Windows::registerWindow<Form1>(Form1::kName);
    platform::Windows::registerWindow<Form2>(Form2::kName);
    platform::Windows::registerWindow<Form3>(Form3::kName);
    platform::Windows::registerWindow<Form14>(Form14::kName);
    platform::Windows::registerWindow<editEntry>(editEntry::kName);
    platform::Windows::registerWindow<frmAbout>(frmAbout::kName);
}
