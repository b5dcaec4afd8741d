#pragma once
// Registers the playslip windows with the window model.
void registerPlayslipsWindows();
