// Sample for the layering check: a file that includes a Qt header must be caught.
#pragma once
#  include <QtCore/QString>
