// Control ids of the button properties dialog, shared by its table and its unit.
#ifndef QVCONFIG_FORMS_MODIFYFORM_H
#define QVCONFIG_FORMS_MODIFYFORM_H

#define IDC_MODIFY_LABEL 200  /* the plain labels */
#define IDC_ICONPICTURE 201
#define IDC_EXEFILENAME 202
#define IDC_BROWSE 203
#define IDC_CHANGEICON 204
#define IDC_PARAMETERS 205
#define IDC_DEFAULTDIR 206
#define IDC_WINDOWSTYLE 207
#define IDC_WINDOWLABEL 208   /* its mnemonic leads nowhere */
/* OK and Cancel are IDOK and IDCANCEL, so that Enter and Esc reach them */

#ifdef __cplusplus
#include "Form.h"
extern const ControlRow ModifyFormControls[];
extern const size_t ModifyFormControlCount;
const int ModifyFormWidth = 351, ModifyFormHeight = 247;  // client area
#endif

#endif
