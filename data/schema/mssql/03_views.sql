-- Views the program reads stock, prices and orders through.
-- Each is dropped and created again, so this file can be run on a live database.

IF OBJECT_ID(N'dbo.VOR_OutOrder', N'V') IS NOT NULL DROP VIEW dbo.VOR_OutOrder;
IF OBJECT_ID(N'dbo.VOR_InStock', N'V') IS NOT NULL DROP VIEW dbo.VOR_InStock;
IF OBJECT_ID(N'dbo.VOR_CustomerOrder', N'V') IS NOT NULL DROP VIEW dbo.VOR_CustomerOrder;
IF OBJECT_ID(N'dbo.VOR_CustomerQuote', N'V') IS NOT NULL DROP VIEW dbo.VOR_CustomerQuote;
IF OBJECT_ID(N'dbo.V_CustomerOrderInSuppier', N'V') IS NOT NULL DROP VIEW dbo.V_CustomerOrderInSuppier;
IF OBJECT_ID(N'dbo.V_CustomerOrderInCustomer', N'V') IS NOT NULL DROP VIEW dbo.V_CustomerOrderInCustomer;
IF OBJECT_ID(N'dbo.V_CustomerOrderInSupplierPrdtGroup', N'V') IS NOT NULL DROP VIEW dbo.V_CustomerOrderInSupplierPrdtGroup;
IF OBJECT_ID(N'dbo.V_ProductCostInSupplier', N'V') IS NOT NULL DROP VIEW dbo.V_ProductCostInSupplier;
IF OBJECT_ID(N'dbo.V_ProductPriceInSystemDefaultUnit', N'V') IS NOT NULL DROP VIEW dbo.V_ProductPriceInSystemDefaultUnit;
IF OBJECT_ID(N'dbo.VSM_ProductStock', N'V') IS NOT NULL DROP VIEW dbo.VSM_ProductStock;
IF OBJECT_ID(N'dbo.V_MeasurementUnitFromSystemDefault', N'V') IS NOT NULL DROP VIEW dbo.V_MeasurementUnitFromSystemDefault;
IF OBJECT_ID(N'dbo.V_ProductFinalUnit', N'V') IS NOT NULL DROP VIEW dbo.V_ProductFinalUnit;
GO

-- The final unit of a product: its own unit when that is a custom unit,
-- the system default unit when it is a weighing unit.
-- FinalTransformFactor converts one product unit into final units.
CREATE VIEW V_ProductFinalUnit AS
SELECT
    P.ProductID AS ProductID,
    P.ProductName AS ProductName,
    P.SupplierID AS SupplierID,
    P.ProductCategoryID AS ProductCategoryID,
    P.MeasurementUnitID AS MeasurementUnitID,
    P.Price AS Price,
    P.Cost AS Cost,
    X.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    F.MeasurementUnitName AS FinalMeasurementUnitName,
    ISNULL(T.TransformFactor, 1) AS FinalTransformFactor
FROM BF_Product AS P
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = P.MeasurementUnitID
CROSS JOIN (SELECT MIN(MeasurementUnitID) AS UnitID
            FROM BC_MeasurementUnit WHERE SystemDefaultUnit = 1) AS SD
CROSS APPLY (SELECT CASE WHEN U.SystemWeightUnit = 1 AND SD.UnitID IS NOT NULL
                         THEN SD.UnitID ELSE P.MeasurementUnitID END AS FinalMeasurementUnitID) AS X
LEFT JOIN BC_MeasurementUnit AS F ON F.MeasurementUnitID = X.FinalMeasurementUnitID
LEFT JOIN SC_MeasurementUnitTransform AS T
    ON T.FromUnitID = P.MeasurementUnitID AND T.ToUnitID = X.FinalMeasurementUnitID;
GO

CREATE VIEW V_MeasurementUnitFromSystemDefault AS
SELECT
    T.FromUnitID AS FromUnitID,
    T.ToUnitID AS ToUnitID,
    T.TransformFactor AS TransformFactor
FROM SC_MeasurementUnitTransform AS T
WHERE T.FromUnitID IN (SELECT U.MeasurementUnitID FROM BC_MeasurementUnit AS U
                       WHERE U.SystemDefaultUnit = 1);
GO

-- Stock in the final unit: valid stock-in less valid deliveries plus valid adjustments.
-- Per-product sums are applied per product row, so asking for one product, or joining
-- the view to document lines, seeks that product's lines only.
CREATE VIEW VSM_ProductStock AS
SELECT
    F.ProductID AS ProductID,
    F.ProductName AS ProductName,
    F.SupplierID AS SupplierID,
    F.ProductCategoryID AS ProductCategoryID,
    F.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    F.FinalMeasurementUnitName AS FinalMeasurementUnitName,
    ISNULL(I.Qty, 0) AS InQty,
    ISNULL(O.Qty, 0) AS OutQty,
    ISNULL(S.Qty, 0) AS STQty,
    ISNULL(I.Qty, 0) - ISNULL(O.Qty, 0) + ISNULL(S.Qty, 0) AS StockQty,
    F.Cost / F.FinalTransformFactor AS FinalCost,
    F.Price / F.FinalTransformFactor AS FinalPrice
FROM V_ProductFinalUnit AS F
CROSS APPLY (
    SELECT SUM(D.Qty * ISNULL(T.TransformFactor, 1)) AS Qty
    FROM OR_DetailInStock AS D
    INNER JOIN OR_HeadInStock AS H ON H.OrderID = D.OrderID
    LEFT JOIN SC_MeasurementUnitTransform AS T
        ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
    WHERE D.ProductID = F.ProductID AND H.Active = 1
) AS I
CROSS APPLY (
    SELECT SUM(D.Qty * ISNULL(T.TransformFactor, 1)) AS Qty
    FROM OR_DetailOutOrder AS D
    INNER JOIN OR_HeadOutOrder AS H ON H.OrderID = D.OrderID
    LEFT JOIN SC_MeasurementUnitTransform AS T
        ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
    WHERE D.ProductID = F.ProductID AND H.Active = 1
) AS O
CROSS APPLY (
    SELECT SUM(D.STQty * ISNULL(T.TransformFactor, 1)) AS Qty
    FROM OR_DetailStockTaking AS D
    INNER JOIN OR_HeadStockTaking AS H ON H.OrderID = D.OrderID
    LEFT JOIN SC_MeasurementUnitTransform AS T
        ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
    WHERE D.ProductID = F.ProductID AND H.Active = 1 AND D.ItemActive = 1
) AS S;
GO

CREATE VIEW V_ProductPriceInSystemDefaultUnit AS
SELECT
    P.ProductID AS ProductID,
    P.Price / ISNULL(T.TransformFactor, 1) AS FinallPrice
FROM BF_Product AS P
CROSS JOIN (SELECT MIN(MeasurementUnitID) AS UnitID
            FROM BC_MeasurementUnit WHERE SystemDefaultUnit = 1) AS SD
LEFT JOIN SC_MeasurementUnitTransform AS T
    ON T.FromUnitID = P.MeasurementUnitID AND T.ToUnitID = SD.UnitID;
GO

CREATE VIEW V_ProductCostInSupplier AS
SELECT
    P.ProductID AS ProductID,
    P.Cost AS FinalCost
FROM BF_Product AS P;
GO

-- Open customer orders: valid, not taken over by a delivery, active lines.
CREATE VIEW V_CustomerOrderInSupplierPrdtGroup AS
SELECT
    F.SupplierID AS SupplierID,
    F.ProductID AS ProductID,
    F.ProductName AS ProductName,
    F.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    F.FinalMeasurementUnitName AS FinalMeasurementUnitName,
    SUM(D.Qty * ISNULL(T.TransformFactor, 1)) AS OrdQty
FROM OR_DetailCustomerOrder AS D
INNER JOIN OR_HeadCustomerOrder AS H ON H.OrderID = D.OrderID
INNER JOIN V_ProductFinalUnit AS F ON F.ProductID = D.ProductID
LEFT JOIN SC_MeasurementUnitTransform AS T
    ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
WHERE H.Active = 1
  AND (H.IsCompleteOutOrder = 0 OR H.IsCompleteOutOrder IS NULL)
  AND D.ItemActive = 1
GROUP BY F.SupplierID, F.ProductID, F.ProductName,
    F.FinalMeasurementUnitID, F.FinalMeasurementUnitName;
GO

CREATE VIEW V_CustomerOrderInCustomer AS
SELECT
    H.CustomerID AS CustomerID,
    H.OrderID AS OrderID
FROM OR_HeadCustomerOrder AS H
WHERE H.Active = 1
  AND (H.IsCompleteOutOrder = 0 OR H.IsCompleteOutOrder IS NULL)
  AND EXISTS (SELECT 1 FROM OR_DetailCustomerOrder AS D
              WHERE D.OrderID = H.OrderID AND D.ItemActive = 1);
GO

CREATE VIEW V_CustomerOrderInSuppier AS
SELECT
    H.OrderID AS OrderID,
    H.OrderDate AS OrderDate,
    H.CustomerID AS CustomerID,
    C.CustomerName AS CustomerName,
    D.ProductID AS ProductID,
    F.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    D.Qty AS Qty,
    F.SupplierID AS SupplierID,
    S.SupplierName AS SupplierName,
    F.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    F.FinalMeasurementUnitName AS FinalMeasurementUnitName,
    D.Qty * ISNULL(T.TransformFactor, 1) AS FinalQty
FROM OR_DetailCustomerOrder AS D
INNER JOIN OR_HeadCustomerOrder AS H ON H.OrderID = D.OrderID
LEFT JOIN BF_Customer AS C ON C.CustomerID = H.CustomerID
LEFT JOIN V_ProductFinalUnit AS F ON F.ProductID = D.ProductID
LEFT JOIN BF_Supplier AS S ON S.SupplierID = F.SupplierID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID
LEFT JOIN SC_MeasurementUnitTransform AS T
    ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
WHERE H.Active = 1
  AND (H.IsCompleteOutOrder = 0 OR H.IsCompleteOutOrder IS NULL)
  AND D.ItemActive = 1;
GO

-- Printed documents: one row per line, in the same columns for every document.
CREATE VIEW VOR_CustomerQuote AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    CAST(NULL AS decimal(18,6)) AS Qty,
    D.Price AS Price,
    CAST(NULL AS decimal(18,6)) AS Cost,
    D.Price AS Amount,
    CAST(NULL AS nvarchar(24)) AS OrderItemNote
FROM OR_DetailCustomerQuote AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID;
GO

CREATE VIEW VOR_CustomerOrder AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    D.Qty AS Qty,
    P.Price AS Price,
    CAST(NULL AS decimal(18,6)) AS Cost,
    P.Price * D.Qty AS Amount,
    CAST(NULL AS nvarchar(24)) AS OrderItemNote
FROM OR_DetailCustomerOrder AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID;
GO

CREATE VIEW VOR_InStock AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    D.Qty AS Qty,
    CAST(NULL AS decimal(18,6)) AS Price,
    D.Cost AS Cost,
    D.Cost * D.Qty AS Amount,
    N.OrderItemNote AS OrderItemNote
FROM OR_DetailInStock AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID
LEFT JOIN BC_OrderItemNote AS N ON N.OrderItemNoteID = D.OrderItemNoteID;
GO

CREATE VIEW VOR_OutOrder AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    D.Qty AS Qty,
    D.Price AS Price,
    CAST(NULL AS decimal(18,6)) AS Cost,
    D.Price * D.Qty AS Amount,
    N.OrderItemNote AS OrderItemNote
FROM OR_DetailOutOrder AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID
LEFT JOIN BC_OrderItemNote AS N ON N.OrderItemNoteID = D.OrderItemNoteID;
GO
