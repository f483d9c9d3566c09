#pragma once
// Makes every class of the controls library readable from stored layouts.
// Registering again changes nothing.

void RegisterSuiControls();
