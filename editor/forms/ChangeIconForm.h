// Control ids of the change icon dialog, shared by its table and its unit.
#ifndef QVCONFIG_FORMS_CHANGEICONFORM_H
#define QVCONFIG_FORMS_CHANGEICONFORM_H

#define IDC_CHANGEICON_LABEL 300  /* the plain labels */
#define IDC_ICONFILENAME 301
#define IDC_ICONLIST 302
#define IDC_LOADICONS 303
/* OK and Cancel are IDOK and IDCANCEL, so that Enter and Esc reach them */

#ifdef __cplusplus
#include "Form.h"
extern const ControlRow ChangeIconFormControls[];
extern const size_t ChangeIconFormControlCount;
const int ChangeIconFormWidth = 293, ChangeIconFormHeight = 173;  // client area
#endif

#endif
