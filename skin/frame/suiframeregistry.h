#pragma once
// Makes every class of the frame library readable from stored layouts:
// TsuiForm. Registering again changes nothing.

void RegisterSuiFrame();
