-- Views the program reads stock, prices and orders through.
-- Only built-in functions here, so any SQLite tool can read them.
-- Each view reads one table in its FROM where it can, with lookups as sub-selects:
-- SQLite then merges it into the caller's query, also on the outer side of a join,
-- and a filter on ProductID or OrderID reaches the indexes.
-- NUMERIC affinity keeps whole values as integers, so divisions go through REAL.

DROP VIEW IF EXISTS V_ProductFinalUnit;
DROP VIEW IF EXISTS V_MeasurementUnitFromSystemDefault;
DROP VIEW IF EXISTS VSM_ProductStock;
DROP VIEW IF EXISTS V_ProductPriceInSystemDefaultUnit;
DROP VIEW IF EXISTS V_ProductCostInSupplier;
DROP VIEW IF EXISTS V_CustomerOrderInSupplierPrdtGroup;
DROP VIEW IF EXISTS V_CustomerOrderInCustomer;
DROP VIEW IF EXISTS V_CustomerOrderInSuppier;
DROP VIEW IF EXISTS VOR_CustomerQuote;
DROP VIEW IF EXISTS VOR_CustomerOrder;
DROP VIEW IF EXISTS VOR_InStock;
DROP VIEW IF EXISTS VOR_OutOrder;

-- The final unit of a product: its own unit when that is a custom unit,
-- the system default unit when it is a weighing unit.
-- FinalTransformFactor converts one product unit into final units.
CREATE VIEW V_ProductFinalUnit AS
SELECT
    X.ProductID AS ProductID,
    X.ProductName AS ProductName,
    X.SupplierID AS SupplierID,
    X.ProductCategoryID AS ProductCategoryID,
    X.MeasurementUnitID AS MeasurementUnitID,
    X.Price AS Price,
    X.Cost AS Cost,
    X.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    (SELECT MeasurementUnitName FROM BC_MeasurementUnit
        WHERE MeasurementUnitID = X.FinalMeasurementUnitID) AS FinalMeasurementUnitName,
    IFNULL((SELECT CAST(TransformFactor AS REAL) FROM SC_MeasurementUnitTransform
        WHERE FromUnitID = X.MeasurementUnitID
          AND ToUnitID = X.FinalMeasurementUnitID), 1.0) AS FinalTransformFactor
FROM (
    SELECT
        P.ProductID AS ProductID,
        P.ProductName AS ProductName,
        P.SupplierID AS SupplierID,
        P.ProductCategoryID AS ProductCategoryID,
        P.MeasurementUnitID AS MeasurementUnitID,
        P.Price AS Price,
        P.Cost AS Cost,
        CASE WHEN (SELECT SystemWeightUnit FROM BC_MeasurementUnit
                   WHERE MeasurementUnitID = P.MeasurementUnitID) = 1
            THEN IFNULL((SELECT MIN(MeasurementUnitID) FROM BC_MeasurementUnit
                         WHERE SystemDefaultUnit = 1), P.MeasurementUnitID)
            ELSE P.MeasurementUnitID
        END AS FinalMeasurementUnitID
    FROM BF_Product AS P
) AS X;

CREATE VIEW V_MeasurementUnitFromSystemDefault AS
SELECT
    T.FromUnitID AS FromUnitID,
    T.ToUnitID AS ToUnitID,
    T.TransformFactor AS TransformFactor
FROM SC_MeasurementUnitTransform AS T
WHERE T.FromUnitID IN (SELECT U.MeasurementUnitID FROM BC_MeasurementUnit AS U
                       WHERE U.SystemDefaultUnit = 1);

-- Stock in the final unit: valid stock-in less valid deliveries plus valid adjustments.
-- The sums come from SM_ProductStockTotal (04_stock_totals.sql), kept per line unit by
-- triggers, and are converted here, so a unit or transform change shows at once.
-- Per-product sums are correlated sub-selects: a grouped sub-select joined on
-- ProductID would be computed for every product even when one is asked for.
CREATE VIEW VSM_ProductStock AS
SELECT
    Q.ProductID AS ProductID,
    Q.ProductName AS ProductName,
    Q.SupplierID AS SupplierID,
    Q.ProductCategoryID AS ProductCategoryID,
    Q.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    Q.FinalMeasurementUnitName AS FinalMeasurementUnitName,
    Q.InQty AS InQty,
    Q.OutQty AS OutQty,
    Q.STQty AS STQty,
    Q.InQty - Q.OutQty + Q.STQty AS StockQty,
    Q.FinalCost AS FinalCost,
    Q.FinalPrice AS FinalPrice
FROM (
    SELECT
        F.ProductID AS ProductID,
        F.ProductName AS ProductName,
        F.SupplierID AS SupplierID,
        F.ProductCategoryID AS ProductCategoryID,
        F.FinalMeasurementUnitID AS FinalMeasurementUnitID,
        F.FinalMeasurementUnitName AS FinalMeasurementUnitName,
        IFNULL((SELECT SUM(S.InQty * IFNULL(T.TransformFactor, 1))
            FROM SM_ProductStockTotal AS S
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = S.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE S.ProductID = F.ProductID), 0) AS InQty,
        IFNULL((SELECT SUM(S.OutQty * IFNULL(T.TransformFactor, 1))
            FROM SM_ProductStockTotal AS S
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = S.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE S.ProductID = F.ProductID), 0) AS OutQty,
        IFNULL((SELECT SUM(S.STQty * IFNULL(T.TransformFactor, 1))
            FROM SM_ProductStockTotal AS S
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = S.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE S.ProductID = F.ProductID), 0) AS STQty,
        F.Cost / F.FinalTransformFactor AS FinalCost,
        F.Price / F.FinalTransformFactor AS FinalPrice
    FROM V_ProductFinalUnit AS F
) AS Q;

CREATE VIEW V_ProductPriceInSystemDefaultUnit AS
SELECT
    P.ProductID AS ProductID,
    P.Price / IFNULL((SELECT CAST(TransformFactor AS REAL) FROM SC_MeasurementUnitTransform
        WHERE FromUnitID = P.MeasurementUnitID
          AND ToUnitID = (SELECT MIN(MeasurementUnitID) FROM BC_MeasurementUnit
                          WHERE SystemDefaultUnit = 1)), 1.0) AS FinallPrice
FROM BF_Product AS P;

CREATE VIEW V_ProductCostInSupplier AS
SELECT
    P.ProductID AS ProductID,
    P.Cost AS FinalCost
FROM BF_Product AS P;

-- Open customer orders: valid, not taken over by a delivery, active lines.
CREATE VIEW V_CustomerOrderInSupplierPrdtGroup AS
SELECT
    F.SupplierID AS SupplierID,
    F.ProductID AS ProductID,
    F.ProductName AS ProductName,
    F.FinalMeasurementUnitID AS FinalMeasurementUnitID,
    F.FinalMeasurementUnitName AS FinalMeasurementUnitName,
    SUM(D.Qty * IFNULL(T.TransformFactor, 1)) AS OrdQty
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

CREATE VIEW V_CustomerOrderInCustomer AS
SELECT
    H.CustomerID AS CustomerID,
    H.OrderID AS OrderID
FROM OR_HeadCustomerOrder AS H
WHERE H.Active = 1
  AND (H.IsCompleteOutOrder = 0 OR H.IsCompleteOutOrder IS NULL)
  AND EXISTS (SELECT 1 FROM OR_DetailCustomerOrder AS D
              WHERE D.OrderID = H.OrderID AND D.ItemActive = 1);

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
    D.Qty * IFNULL(T.TransformFactor, 1) AS FinalQty
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

-- Printed documents: one row per line, in the same columns for every document.
CREATE VIEW VOR_CustomerQuote AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    CAST(NULL AS DECIMAL(18,6)) AS Qty,
    D.Price AS Price,
    CAST(NULL AS DECIMAL(18,6)) AS Cost,
    D.Price AS Amount,
    CAST(NULL AS NVARCHAR(24)) AS OrderItemNote
FROM OR_DetailCustomerQuote AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID;

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
    CAST(NULL AS DECIMAL(18,6)) AS Cost,
    P.Price * D.Qty AS Amount,
    CAST(NULL AS NVARCHAR(24)) AS OrderItemNote
FROM OR_DetailCustomerOrder AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID;

CREATE VIEW VOR_InStock AS
SELECT
    D.OrderID AS OrderID,
    D.ItemNo AS ItemNo,
    D.ProductID AS ProductID,
    P.ProductName AS ProductName,
    D.MeasurementUnitID AS MeasurementUnitID,
    U.MeasurementUnitName AS MeasurementUnitName,
    D.Qty AS Qty,
    CAST(NULL AS DECIMAL(18,6)) AS Price,
    D.Cost AS Cost,
    D.Cost * D.Qty AS Amount,
    N.OrderItemNote AS OrderItemNote
FROM OR_DetailInStock AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID
LEFT JOIN BC_OrderItemNote AS N ON N.OrderItemNoteID = D.OrderItemNoteID;

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
    CAST(NULL AS DECIMAL(18,6)) AS Cost,
    D.Price * D.Qty AS Amount,
    N.OrderItemNote AS OrderItemNote
FROM OR_DetailOutOrder AS D
LEFT JOIN BF_Product AS P ON P.ProductID = D.ProductID
LEFT JOIN BC_MeasurementUnit AS U ON U.MeasurementUnitID = D.MeasurementUnitID
LEFT JOIN BC_OrderItemNote AS N ON N.OrderItemNoteID = D.OrderItemNoteID;
