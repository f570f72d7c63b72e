#include "ProbeForm.h"

CL_PUBLISHED(TfrmProbe) {
  CL_METHOD(TfrmProbe, FormCreate);
  CL_METHOD(TfrmProbe, FormDestroy);
  CL_METHOD(TfrmProbe, FormClose);
  CL_METHOD(TfrmProbe, Timer1Timer);
  CL_METHOD(TfrmProbe, N1Click);
  CL_METHOD(TfrmProbe, N3Click);
}

CL_PUBLISHED(TfrmFailing) { CL_METHOD(TfrmFailing, FormCreate); }

CL_PUBLISHED(TfrmMissing) {}
