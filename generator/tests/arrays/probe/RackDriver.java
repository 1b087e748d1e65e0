package probe;

import java.util.Arrays;

import brivel.out.TavoComobjArray;
import brivel.out.TavoDoubleArray;
import brivel.out.TavoShortArray;
import test.arrays.DRack;
import test.arrays.IItem;
import test.arrays.Shape;

/** Calls the array bridge's IDispatch natives on a COM object and reports what came back. */
public class RackDriver {
    private static String objects(Object[] items) {
        if (items == null) return "null";
        StringBuilder text = new StringBuilder("[");
        for (int i = 0; i < items.length; ++i) {
            if (i > 0) text.append(", ");
            Object item = items[i];
            if (item == null) text.append("null");
            else if (item instanceof Shape) text.append("Shape").append(((Shape) item).getEnumeratedIntValue());
            else text.append(item.getClass().getSimpleName());
        }
        return text.append("]").toString();
    }

    public static String run(brivel.TavoObject object) throws Exception {
        DRack rack = DRack._brivelCoerceObject(object);
        StringBuilder log = new StringBuilder();
        TavoDoubleArray scaled = new TavoDoubleArray(new double[] {0.5});
        TavoShortArray counts = new TavoShortArray();
        int[] result = rack.Numbers(new int[] {1, 2, 3}, scaled, counts);
        log.append("Numbers ").append(Arrays.toString(result)).append(' ').append(Arrays.toString(scaled.array))
           .append(' ').append(Arrays.toString(counts.array)).append(';');
        // The second time the object answers a number, not an array: a
        // result that does not convert throws as a failed call does.
        try {
            result = rack.Numbers(new int[0], scaled, counts);
            log.append("Numbers ").append(Arrays.toString(result)).append(';');
        } catch (brivel.TavoException e) {
            log.append("Numbers ").append(e.getMessage()).append(';');
        }
        log.append("Shapes ").append(objects(rack.Shapes(new Shape[] {Shape.Round, Shape.Square}))).append(';');
        IItem[] items = rack.Items(new IItem[0], new TavoComobjArray());
        log.append("Items ").append(objects(items)).append(';');
        for (IItem item : items)
            if (item != null) item.TavoRelease();
        log.append("Sum ").append(rack.Sum(new int[] {4, 5, 6}, new brivel.TavoVariant[0])).append(';');
        return log.toString();
    }
}
