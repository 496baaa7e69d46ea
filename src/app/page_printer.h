#pragma once

// Renders report pages on a printer or into a PDF file.
class PagePrinter {};
