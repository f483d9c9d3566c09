#pragma once
// Makes every class of the buttons library readable from stored layouts:
// TsuiButton, TsuiImageButton, TsuiCheckBox, TsuiRadioButton,
// TsuiProgressBar. Registering again changes nothing.

void RegisterSuiButtons();
