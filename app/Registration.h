#pragma once

// Makes every class that the window's layout names known to the layout reader.
void RegisterLayoutClasses();
