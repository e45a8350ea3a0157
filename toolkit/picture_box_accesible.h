#pragma once

// Makes every picture box known to a screen reader by the role it is given,
// with a press action when it acts as a button. Once is enough; more do nothing.
void instalar_accesibilidad_picture_box();
