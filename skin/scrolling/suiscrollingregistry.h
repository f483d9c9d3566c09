#pragma once
// Makes every class of the scrolling library readable from stored layouts.
// Registering again changes nothing.

void RegisterSuiScrolling();
