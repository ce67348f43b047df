#pragma once

// Makes the toolkit's own texts read in Brazilian Portuguese for the rest of
// the run: Qt's translation (context menus of text fields, the details
// button of message boxes, ...) and, over it, the system's own captions for
// the standard dialog buttons ("Ok", "Cancelar", "Sim", "Não", ... without
// accelerators), so a QDialogButtonBox of any window reads like the message
// dialogs. Called once at start-up, before any window; later calls do
// nothing.
class LanguageControl
{
public:
    static void install();
    static bool isInstalled();
};
