#pragma once

// TObject: the common root of components and of the graphics objects that
// are not components (fonts, pens, pictures), so that every event can name
// its sender the same way.

class TObject {
 public:
  virtual ~TObject() = default;
};
