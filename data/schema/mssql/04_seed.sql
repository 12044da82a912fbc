-- Seed rows every new database starts with.

INSERT INTO SC_PaymentType (PaymentTypeID, PaymentTypeName, SortOrder) VALUES
    (1, N'週結', 1),
    (2, N'旬結', 2),
    (3, N'半月結', 3),
    (4, N'月結', 4),
    (5, N'現金', 5);

-- Ids 1 to 9 are kept for weighing units; the catty must be 5.
SET IDENTITY_INSERT BC_MeasurementUnit ON;
INSERT INTO BC_MeasurementUnit (MeasurementUnitID, MeasurementUnitName, SortOrder, RoundLength, InActive,
    SystemWeightUnit, SystemDefaultUnit, UnitSeparateString, IsUnitSeparate, Note) VALUES
    (1, N'公斤', 2, 0, 0, 1, 0, NULL, 0, NULL),
    (2, N'公克', 3, 0, 0, 1, 0, NULL, 0, NULL),
    (3, N'台兩', 4, 0, 0, 1, 0, NULL, 0, NULL),
    (4, N'磅', 5, 0, 0, 1, 0, NULL, 0, NULL),
    (5, N'台斤', 1, 0, 0, 1, 1, N'/', 1, NULL),
    (10, N'箱', 100, 0, 0, 0, 0, NULL, 0, NULL),
    (11, N'包', 100, 0, 0, 0, 0, NULL, 0, NULL),
    (12, N'把', 100, 0, 0, 0, 0, NULL, 0, NULL),
    (13, N'個', 100, 0, 0, 0, 0, NULL, 0, NULL),
    (14, N'顆', 100, 0, 0, 0, 0, NULL, 0, NULL);
SET IDENTITY_INSERT BC_MeasurementUnit OFF;
-- Units added later continue after the highest seeded id.
DBCC CHECKIDENT (N'BC_MeasurementUnit', RESEED) WITH NO_INFOMSGS;

-- Quantity in the "to" unit per one "from" unit:
-- 1 catty = 0.6 kg = 600 g = 16 taels, 1 lb = 0.45359237 kg.
INSERT INTO SC_MeasurementUnitTransform (FromUnitID, ToUnitID, TransformFactor) VALUES
    (1, 1, 1),
    (1, 2, 1000),
    (1, 3, 26.666666666666667),
    (1, 4, 2.2046226218487758),
    (1, 5, 1.6666666666666667),
    (2, 1, 0.001),
    (2, 2, 1),
    (2, 3, 0.026666666666666667),
    (2, 4, 0.0022046226218487758),
    (2, 5, 0.0016666666666666667),
    (3, 1, 0.0375),
    (3, 2, 37.5),
    (3, 3, 1),
    (3, 4, 0.082673348319329093),
    (3, 5, 0.0625),
    (4, 1, 0.45359237),
    (4, 2, 453.59237),
    (4, 3, 12.095796533333333),
    (4, 4, 1),
    (4, 5, 0.75598728333333333),
    (5, 1, 0.6),
    (5, 2, 600),
    (5, 3, 16),
    (5, 4, 1.3227735731092655),
    (5, 5, 1);

INSERT INTO SS_SystemSetting (ID, RoundLengthQty, RoundLengthAmount,
    FixedLengthCustomerID, FixedLengthProductID, FixedLengthSupplierID) VALUES
    (1, 0, 0, 4, 4, 4);

-- An empty PWD is an empty password.
INSERT INTO BF_User (IdUser, NameUser, PWD, Note) VALUES
    (N'SUPERVISOR', N'系統管理', N'', NULL);
GO
