#include "toolkit/platform/win32/direct2d_library.h"

#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {
using D2D1CreateFactoryFunction = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);
using DWriteCreateFactoryFunction = HRESULT(WINAPI*)(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);
}  // namespace

Direct2DFactories CreateDirect2DFactories() {
  auto createDrawing = FindSystemFunctionAs<D2D1CreateFactoryFunction>(L"d2d1.dll", "D2D1CreateFactory");
  auto createText = FindSystemFunctionAs<DWriteCreateFactoryFunction>(L"dwrite.dll", "DWriteCreateFactory");
  if (!createDrawing || !createText) return {};
  Direct2DFactories factories;
  if (FAILED(createDrawing(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory), nullptr,
                           reinterpret_cast<void**>(factories.drawing.GetAddressOf()))) ||
      FAILED(createText(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                        reinterpret_cast<IUnknown**>(factories.text.GetAddressOf())))) {
    return {};
  }
  return factories;
}

}  // namespace toolkit::platform::win32
