-- Running stock totals per product and line unit, so VSM_ProductStock reads a few rows
-- per product instead of summing millions of document lines.
-- Triggers keep them: a line counts while it has a product and its head exists with
-- Active = 1 (stock-taking lines also need ItemActive = 1); lines may come before their head.
-- Totals stay in the line's unit; the view converts them, so unit changes need no rebuild.
-- Every total is rounded to the columns' 6 decimals, so taking back what was added leaves
-- no float residue. Rows that come to zero stay; the view starts from BF_Product anyway.
-- A line without a unit is kept under unit 0, which no unit has: it converts at factor 1.
-- Only built-in functions here, like the views.

CREATE TABLE SM_ProductStockTotal (
    ProductID NVARCHAR(12) COLLATE NOCASE NOT NULL,
    MeasurementUnitID INTEGER NOT NULL,
    InQty DECIMAL(18,6) NOT NULL DEFAULT 0,
    OutQty DECIMAL(18,6) NOT NULL DEFAULT 0,
    STQty DECIMAL(18,6) NOT NULL DEFAULT 0,
    PRIMARY KEY (ProductID, MeasurementUnitID)
) WITHOUT ROWID;

-- Stock-in lines: InQty.

CREATE TRIGGER TR_OR_DetailInStock_StockTotal_Insert AFTER INSERT ON OR_DetailInStock
WHEN NEW.ProductID IS NOT NULL
 AND EXISTS (SELECT 1 FROM OR_HeadInStock WHERE OrderID = NEW.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    VALUES (NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.Qty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

CREATE TRIGGER TR_OR_DetailInStock_StockTotal_Delete AFTER DELETE ON OR_DetailInStock
WHEN OLD.ProductID IS NOT NULL
 AND EXISTS (SELECT 1 FROM OR_HeadInStock WHERE OrderID = OLD.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    VALUES (OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.Qty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

CREATE TRIGGER TR_OR_DetailInStock_StockTotal_Update
AFTER UPDATE OF OrderID, ProductID, MeasurementUnitID, Qty ON OR_DetailInStock
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.Qty, 0), 6)
    WHERE OLD.ProductID IS NOT NULL
      AND EXISTS (SELECT 1 FROM OR_HeadInStock WHERE OrderID = OLD.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.Qty, 0), 6)
    WHERE NEW.ProductID IS NOT NULL
      AND EXISTS (SELECT 1 FROM OR_HeadInStock WHERE OrderID = NEW.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

CREATE TRIGGER TR_OR_HeadInStock_StockTotal_Insert AFTER INSERT ON OR_HeadInStock
WHEN NEW.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailInStock AS D
    WHERE D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

CREATE TRIGGER TR_OR_HeadInStock_StockTotal_Delete AFTER DELETE ON OR_HeadInStock
WHEN OLD.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailInStock AS D
    WHERE D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

-- Nullifying or restoring a document, or renumbering it, takes its lines out and back in.
CREATE TRIGGER TR_OR_HeadInStock_StockTotal_Update AFTER UPDATE OF OrderID, Active ON OR_HeadInStock
WHEN OLD.OrderID IS NOT NEW.OrderID OR (OLD.Active = 1) IS NOT (NEW.Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailInStock AS D
    WHERE OLD.Active = 1 AND D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, InQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailInStock AS D
    WHERE NEW.Active = 1 AND D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET InQty = ROUND(InQty + excluded.InQty, 6);
END;

-- Delivery lines: OutQty.

CREATE TRIGGER TR_OR_DetailOutOrder_StockTotal_Insert AFTER INSERT ON OR_DetailOutOrder
WHEN NEW.ProductID IS NOT NULL
 AND EXISTS (SELECT 1 FROM OR_HeadOutOrder WHERE OrderID = NEW.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    VALUES (NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.Qty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

CREATE TRIGGER TR_OR_DetailOutOrder_StockTotal_Delete AFTER DELETE ON OR_DetailOutOrder
WHEN OLD.ProductID IS NOT NULL
 AND EXISTS (SELECT 1 FROM OR_HeadOutOrder WHERE OrderID = OLD.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    VALUES (OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.Qty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

CREATE TRIGGER TR_OR_DetailOutOrder_StockTotal_Update
AFTER UPDATE OF OrderID, ProductID, MeasurementUnitID, Qty ON OR_DetailOutOrder
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.Qty, 0), 6)
    WHERE OLD.ProductID IS NOT NULL
      AND EXISTS (SELECT 1 FROM OR_HeadOutOrder WHERE OrderID = OLD.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.Qty, 0), 6)
    WHERE NEW.ProductID IS NOT NULL
      AND EXISTS (SELECT 1 FROM OR_HeadOutOrder WHERE OrderID = NEW.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

CREATE TRIGGER TR_OR_HeadOutOrder_StockTotal_Insert AFTER INSERT ON OR_HeadOutOrder
WHEN NEW.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailOutOrder AS D
    WHERE D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

CREATE TRIGGER TR_OR_HeadOutOrder_StockTotal_Delete AFTER DELETE ON OR_HeadOutOrder
WHEN OLD.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailOutOrder AS D
    WHERE D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

CREATE TRIGGER TR_OR_HeadOutOrder_StockTotal_Update AFTER UPDATE OF OrderID, Active ON OR_HeadOutOrder
WHEN OLD.OrderID IS NOT NEW.OrderID OR (OLD.Active = 1) IS NOT (NEW.Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailOutOrder AS D
    WHERE OLD.Active = 1 AND D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, OutQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.Qty, 0)), 6)
    FROM OR_DetailOutOrder AS D
    WHERE NEW.Active = 1 AND D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET OutQty = ROUND(OutQty + excluded.OutQty, 6);
END;

-- Stock-taking lines: STQty, active lines only.

CREATE TRIGGER TR_OR_DetailStockTaking_StockTotal_Insert AFTER INSERT ON OR_DetailStockTaking
WHEN NEW.ProductID IS NOT NULL AND NEW.ItemActive = 1
 AND EXISTS (SELECT 1 FROM OR_HeadStockTaking WHERE OrderID = NEW.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    VALUES (NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.STQty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;

CREATE TRIGGER TR_OR_DetailStockTaking_StockTotal_Delete AFTER DELETE ON OR_DetailStockTaking
WHEN OLD.ProductID IS NOT NULL AND OLD.ItemActive = 1
 AND EXISTS (SELECT 1 FROM OR_HeadStockTaking WHERE OrderID = OLD.OrderID AND Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    VALUES (OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.STQty, 0), 6))
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;

CREATE TRIGGER TR_OR_DetailStockTaking_StockTotal_Update
AFTER UPDATE OF OrderID, ProductID, MeasurementUnitID, STQty, ItemActive ON OR_DetailStockTaking
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT OLD.ProductID, IFNULL(OLD.MeasurementUnitID, 0), -ROUND(IFNULL(OLD.STQty, 0), 6)
    WHERE OLD.ProductID IS NOT NULL AND OLD.ItemActive = 1
      AND EXISTS (SELECT 1 FROM OR_HeadStockTaking WHERE OrderID = OLD.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT NEW.ProductID, IFNULL(NEW.MeasurementUnitID, 0), ROUND(IFNULL(NEW.STQty, 0), 6)
    WHERE NEW.ProductID IS NOT NULL AND NEW.ItemActive = 1
      AND EXISTS (SELECT 1 FROM OR_HeadStockTaking WHERE OrderID = NEW.OrderID AND Active = 1)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;

CREATE TRIGGER TR_OR_HeadStockTaking_StockTotal_Insert AFTER INSERT ON OR_HeadStockTaking
WHEN NEW.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.STQty, 0)), 6)
    FROM OR_DetailStockTaking AS D
    WHERE D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL AND D.ItemActive = 1
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;

CREATE TRIGGER TR_OR_HeadStockTaking_StockTotal_Delete AFTER DELETE ON OR_HeadStockTaking
WHEN OLD.Active = 1
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.STQty, 0)), 6)
    FROM OR_DetailStockTaking AS D
    WHERE D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL AND D.ItemActive = 1
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;

CREATE TRIGGER TR_OR_HeadStockTaking_StockTotal_Update AFTER UPDATE OF OrderID, Active ON OR_HeadStockTaking
WHEN OLD.OrderID IS NOT NEW.OrderID OR (OLD.Active = 1) IS NOT (NEW.Active = 1)
BEGIN
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), -ROUND(SUM(IFNULL(D.STQty, 0)), 6)
    FROM OR_DetailStockTaking AS D
    WHERE OLD.Active = 1 AND D.OrderID = OLD.OrderID AND D.ProductID IS NOT NULL AND D.ItemActive = 1
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
    INSERT INTO SM_ProductStockTotal (ProductID, MeasurementUnitID, STQty)
    SELECT D.ProductID, IFNULL(D.MeasurementUnitID, 0), ROUND(SUM(IFNULL(D.STQty, 0)), 6)
    FROM OR_DetailStockTaking AS D
    WHERE NEW.Active = 1 AND D.OrderID = NEW.OrderID AND D.ProductID IS NOT NULL AND D.ItemActive = 1
    GROUP BY D.ProductID, IFNULL(D.MeasurementUnitID, 0)
    ON CONFLICT (ProductID, MeasurementUnitID) DO UPDATE SET STQty = ROUND(STQty + excluded.STQty, 6);
END;
