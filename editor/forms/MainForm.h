// Control ids of the main form, shared by its table, its unit and the
// editor's resources.
#ifndef QVCONFIG_FORMS_MAINFORM_H
#define QVCONFIG_FORMS_MAINFORM_H

#define IDI_QVCONFIG 1  /* the program's icon */

#define IDC_LABEL 100   /* the plain labels, which nothing addresses */
#define IDC_INIFILENAME 101
#define IDC_WINDOWTITLE 102
#define IDC_WINDOWPOS 103
#define IDC_ICONGRID 104
#define IDC_NOICONS 105
#define IDC_INSERT 106
#define IDC_DELETE 107
#define IDC_CHANGE 108
#define IDC_MOVELEFT 109
#define IDC_MOVERIGHT 110
#define IDC_BEVEL 111
#define IDC_PANEL 112
/* OK and Cancel are IDOK and IDCANCEL, so that Enter and Esc reach them */

#ifdef __cplusplus
#include "Form.h"
extern const ControlRow MainFormControls[];
extern const size_t MainFormControlCount;
const int MainFormWidth = 400, MainFormHeight = 263;  // client area
const int MainFormLeft = 212, MainFormTop = 153;      // before it is centred
#endif

#endif
